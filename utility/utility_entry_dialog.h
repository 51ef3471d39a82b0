#pragma once

#include "platform/ui/form.h"

// Enters one utility-work or average-piece-rate entry.
class TForm24 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm24(QWidget* parent = nullptr);
};

extern TForm24* Form24;
