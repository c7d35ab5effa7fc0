# Thin wrapper: CMake and Ninja do the work. `make run` and `make test` are
# all a newcomer needs on a fresh Debian machine.
BUILD   ?= build
APP     := $(BUILD)/app
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench demo clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(APP) && ./veldor

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/veldor-bench --benchmark_counters_tabular=true

demo: build
	$(APP)/veldor-render $(APP)/demo.vdr $(BUILD)/demo.bmp
	@echo "demo picture written to $(BUILD)/demo.bmp"

clean:
	rm -rf $(BUILD)
