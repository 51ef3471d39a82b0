#include "radio_group.h"

#include <QVBoxLayout>

namespace pf {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this))
{
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        buttons_.append(b);
        group_->addButton(b, i);
        layout->addWidget(b);
    }
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

int RadioGroup::itemIndex() const
{
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* b = group_->button(index))
        b->setChecked(true);
}

}   // namespace pf
