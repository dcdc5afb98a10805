#pragma once

#include "platform/message/user_messages.h"

#include <QString>

class QWidget;

namespace zantor::ui {

// A message box with an OK button and the application's name as its caption; `detail`, when
// given, is shown below the text. Waits until the user closes it.
void showMessageBox(QWidget* parent, const QString& text, const QString& detail = {});

// The program's messages as message boxes. A message from a thread other than the window's
// is shown by the window's thread, without waiting for it.
class MessageBoxMessages final : public UserMessages {
public:
    void showMessage(std::string_view text, std::string_view detail) override;
};

} // namespace zantor::ui
