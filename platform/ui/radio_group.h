#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

namespace pf {

// A framed group of radio buttons with one chosen item.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const;   // -1 when none is chosen
    void setItemIndex(int index);
    QRadioButton* item(int index) const { return buttons_.value(index); }
    int count() const { return buttons_.size(); }

signals:
    void clicked(int index);

private:
    QButtonGroup* group_;
    QList<QRadioButton*> buttons_;
};

}   // namespace pf
