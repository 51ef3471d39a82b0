#pragma once

#include "platform/ui/form.h"

// Printed summary report by worker.
class TForm16 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm16(QWidget* parent = nullptr);
};

extern TForm16* Form16;
