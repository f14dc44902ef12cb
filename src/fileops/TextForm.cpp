#include "fileops/TextForm.h"

namespace kv {

TextForm::TextForm(QWidget* parent)
    : TrenameForm(parent, u"Omdøb filtype"_qs,
                  u"Alle filer med angivne filtype i mappen og alle undermapper vil blive omdøbt til den nye filtype."_qs,
                  {u"Mappe"_qs, u"Filtype"_qs, u"Ny filtype"_qs}, {1, 2, 0})
{
    setObjectName(u"extForm"_qs);
}

} // namespace kv
