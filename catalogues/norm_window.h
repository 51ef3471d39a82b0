#pragma once

#include "platform/ui/form.h"

// The norms of one operation.
class TForm22 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm22(QWidget* parent = nullptr);
};

extern TForm22* Form22;
