# Thin wrapper: CMake and Ninja do the work. `make run` and `make test` are
# all a newcomer needs on a fresh Debian machine.
BUILD   ?= build
APP     := $(BUILD)/app
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The second build that `make test` runs the suite in: clang with
# AddressSanitizer and UndefinedBehaviorSanitizer, the windows included, and
# the fuzz targets as short tests. The benchmark is left out; it measures
# nothing under the sanitizers.
ASAN_BUILD ?= $(BUILD)/asan
ASAN_CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	-DVELDOR_SANITIZE=ON -DVELDOR_FUZZ=ON -DVELDOR_BENCH=OFF -DVELDOR_GUI=ON
# Qt keeps some allocations until exit on purpose; leaks reported inside its
# libraries are suppressed, everywhere else they fail the test.
ASAN_ENV := QT_QPA_PLATFORM=offscreen \
	ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/fuzz/lsan-qt.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure build program run test test-sanitize test-desktops bench demo package clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The program, its tools and its pictures only: the tests and the benchmark
# wait for `make test` and `make bench`.
program: configure
	cmake --build $(BUILD) -j $(JOBS) --target veldor_program

run: program
	cd $(APP) && ./veldor

# Every stage runs even when one before it failed; the last line sums them up.
test: build
	@rm -f $(BUILD)/junit.xml $(ASAN_BUILD)/junit.xml $(ASAN_BUILD)/junit-fuzz.xml; status=0; \
	(cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --output-junit junit.xml) \
	  || status=1; \
	$(MAKE) --no-print-directory test-sanitize || status=1; \
	scripts/test-summary "build=$(BUILD)/junit.xml" "sanitizers=$(ASAN_BUILD)/junit.xml" \
	  "fuzz=$(ASAN_BUILD)/junit-fuzz.xml" || status=1; \
	exit $$status

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja $(ASAN_CMAKE_FLAGS)

# The whole suite once more under the sanitizers, then the fuzz smoke runs.
test-sanitize: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(ASAN_ENV) ctest --output-on-failure -j $(JOBS) -E '^fuzz_' --output-junit junit.xml
	cd $(ASAN_BUILD) && $(ASAN_ENV) ctest --output-on-failure -j $(JOBS) -R '^fuzz_' --output-junit junit-fuzz.xml

# The program on GNOME Shell and KWin, natively on Wayland and through
# XWayland, headless, with the session scripts in DESKTOPS.
DESKTOPS ?= $(CURDIR)/../shared/desktops
# GNOME's thumbnail factory sees only /usr, so the package just built is
# installed for it.
test-desktops: build package
	@scripts/install-deps --desktops
	@scripts/install-package $(BUILD)
	tests/desktops/check-desktops.py $(APP) $(DESKTOPS)
	tests/desktops/check-wait-window.py $(APP)
	tests/desktops/check-thumbnails.py $(APP) $(BUILD)/tests/package/samepixels

bench: build
	$(BUILD)/bench/veldor-bench --benchmark_counters_tabular=true

demo: program
	$(APP)/veldor-render $(APP)/demo.vdr $(BUILD)/demo.bmp
	@echo "demo picture written to $(BUILD)/demo.bmp"

# The Debian package, $(BUILD)/veldor_<version>_<arch>.deb.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
