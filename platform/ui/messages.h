#pragma once

#include <QString>

namespace pf {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, YesNo, OkCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

// Shows modal message boxes; tests replace it with a scripted one.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MsgResult show(const QString& text, const QString& caption, MsgIcon icon, MsgButtons buttons) = 0;
};

// nullptr restores the standard message boxes.
void setMessageService(MessageService* service);

MsgResult messageBox(const QString& text, const QString& caption, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok);

// The standard error box: caption "Ошибка", error icon, one OK button.
void showError(const QString& text);

}   // namespace pf
