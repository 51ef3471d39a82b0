#include "password_edit.h"

#include <QLineEdit>
#include <QProxyStyle>

namespace pf {

namespace {

class MaskStyle : public QProxyStyle {
public:
    explicit MaskStyle(QChar mask) : mask_(mask) { }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return mask_.unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QChar mask_;
};

}   // namespace

void setPasswordChar(QLineEdit* edit, QChar mask)
{
    auto* style = new MaskStyle(mask);
    style->setParent(edit);
    edit->setStyle(style);
    edit->setEchoMode(QLineEdit::Password);
}

}   // namespace pf
