#include "core/ui/wait.h"

namespace veldor {

TWaitBox::TWaitBox(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(session, forms, services, {tr(kCaption), {155, 1}, TitleButtons::None, true}, parent)
{
}

} // namespace veldor
