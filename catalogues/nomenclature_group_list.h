#pragma once

#include "platform/ui/form.h"

// The list of nomenclature groups.
class TForm26 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm26(QWidget* parent = nullptr);
};

extern TForm26* Form26;
