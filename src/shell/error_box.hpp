#pragma once
// The window's one way of saying what went wrong: a modal message box titled as an error.

class QString;
class QWidget;

namespace vaporel {

void ShowError(QWidget* parent, const QString& text);

}  // namespace vaporel
