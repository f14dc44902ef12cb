#pragma once
// Fourth layer of the file-operations chain: the information windows of
// files, folders and drives build on it.
#include "structures/TFunktioner.h"

namespace kv {

class TFilMappeInfo : public TFunktioner {
    Q_OBJECT
public:
    explicit TFilMappeInfo(QObject* owner) : TFunktioner(owner) {}
};

} // namespace kv
