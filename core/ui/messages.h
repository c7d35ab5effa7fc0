#pragma once
// The error texts of the layers below the windows, which know no
// translations, in the user's language when it is shown in a message box.
#include <QString>

namespace veldor {

// `text` in the user's language when it is one of the layers' messages
// (the names and numbers it quotes kept as they are), otherwise unchanged.
QString translatedMessage(const QString& text);

} // namespace veldor
