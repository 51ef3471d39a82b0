#pragma once

#include "platform/ui/form.h"

// The list of operation kinds.
class TForm8 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);
};

extern TForm8* Form8;
