#pragma once

#include "platform/ui/form.h"

// The auxiliary workers of a saved position.
class TForm132 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm132(QWidget* parent = nullptr);
};

extern TForm132* Form132;
