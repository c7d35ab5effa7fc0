#pragma once
// The whole program: the scene, the platform services and the twenty
// windows, created once in a fixed order and kept until exit.
#include "core/ui/forms.h"

#include <memory>

namespace veldor {

class Session;
struct SceneState;
class UiServices;

class VeldorProgram {
public:
    // Creates the windows, all hidden; `services` must outlive the program.
    explicit VeldorProgram(UiServices& services);
    ~VeldorProgram();
    VeldorProgram(const VeldorProgram&) = delete;
    VeldorProgram& operator=(const VeldorProgram&) = delete;

    Session& session() { return *session_; }
    SceneState& scene();
    Forms& forms() { return forms_; }
    UiServices& services() { return services_; }

private:
    struct Windows;

    std::unique_ptr<Session> session_;
    Forms forms_;
    UiServices& services_;
    std::unique_ptr<Windows> windows_;
};

} // namespace veldor
