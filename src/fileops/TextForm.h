#pragma once
// The "Omdøb filtype" window: every file of one type in a folder tree gets a new type.
#include "fileops/TrenameForm.h"

namespace kv {

class TextForm : public TrenameForm {
    Q_OBJECT
public:
    explicit TextForm(QWidget* parent = nullptr);
};

} // namespace kv
