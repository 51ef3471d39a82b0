#include "messages.h"

#include <QApplication>
#include <QMessageBox>

namespace pf {

namespace {

class StandardMessages : public MessageService {
public:
    MsgResult show(const QString& text, const QString& caption, MsgIcon icon, MsgButtons buttons) override
    {
        QMessageBox box(QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                          : QApplication::activeWindow());
        box.setWindowTitle(caption);
        box.setText(text);
        switch (icon) {
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::None: break;
        }
        switch (buttons) {
        case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        }
        switch (box.exec()) {
        case QMessageBox::Yes: return MsgResult::Yes;
        case QMessageBox::No: return MsgResult::No;
        case QMessageBox::Cancel: return MsgResult::Cancel;
        default: return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
        }
    }
};

StandardMessages standardMessages;
MessageService* current = &standardMessages;

}   // namespace

void setMessageService(MessageService* service)
{
    current = service ? service : &standardMessages;
}

MsgResult messageBox(const QString& text, const QString& caption, MsgIcon icon, MsgButtons buttons)
{
    return current->show(text, caption, icon, buttons);
}

void showError(const QString& text)
{
    messageBox(text, QStringLiteral("Ошибка"), MsgIcon::Error);
}

}   // namespace pf
