#include "fileops/Vinduer.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace kv {

void centrerPaaHoved(QWidget* vindue)
{
    QWidget* hoved = vindue->parentWidget() ? vindue->parentWidget()->window() : QApplication::activeWindow();
    const QRect omraade = hoved && hoved != vindue ? hoved->frameGeometry() : vindue->screen()->availableGeometry();
    vindue->move(omraade.center() - vindue->rect().center());
}

} // namespace kv
