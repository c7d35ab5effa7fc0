#pragma once
// Chooses the size of a BMP export and asks where to write it.
#include "core/ui/smallwindow.h"

namespace veldor {

class TBMPSave : public SmallWindow {
    Q_OBJECT
public:
    TBMPSave(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    // "630 x 340 (Standard)": the picture as it stands.
    void Button1Click();
    // "640 x 480 (Stretched)": the picture stretched to 640 x 480.
    void Button2Click();

private:
    // The file chosen in the export dialog titled `caption`, as a path of
    // this platform; empty when cancelled.
    std::string chooseFile(const QString& caption);
};

} // namespace veldor
