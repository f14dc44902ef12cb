#include "ui/Vinduer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QProgressBar>
#include <QScreen>
#include <QWidget>

namespace kv {

void centrerPaaHoved(QWidget* vindue)
{
    QWidget* hoved = vindue->parentWidget() ? vindue->parentWidget()->window() : QApplication::activeWindow();
    const QRect omraade = hoved && hoved != vindue ? hoved->frameGeometry() : vindue->screen()->availableGeometry();
    vindue->move(omraade.center() - vindue->rect().center());
}

QLabel* nyLabel(QWidget* ejer, const QString& navn)
{
    auto* l = new QLabel(ejer);
    l->setObjectName(navn);
    return l;
}

QProgressBar* nyProcentBar(QWidget* ejer, const QString& navn)
{
    auto* b = new QProgressBar(ejer);
    b->setObjectName(navn);
    b->setRange(0, 100);
    return b;
}

QWidget* resterendeRaekke(QWidget* ejer, QLabel* procent, QLabel* resterende)
{
    auto* w = new QWidget(ejer);
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new QLabel(QStringLiteral(" Resterende elementer: "), w));
    l->addWidget(procent);
    l->addWidget(resterende, 1);
    return w;
}

QWidget* lodret(std::initializer_list<QWidget*> indhold, int margen)
{
    auto* w = new QWidget;
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(margen, margen, margen, margen);
    l->setSpacing(2);
    for (QWidget* c : indhold)
        l->addWidget(c);
    return w;
}

} // namespace kv
