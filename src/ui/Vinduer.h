#pragma once
#include <initializer_list>

// Small helpers shared by the windows: placement, labels and bars.
class QLabel;
class QProgressBar;
class QString;
class QWidget;

namespace kv {

// Centres a window on the window it belongs to, or on its screen.
void centrerPaaHoved(QWidget* vindue);

QLabel* nyLabel(QWidget* ejer, const QString& navn);
// A bar from 0 to 100 percent.
QProgressBar* nyProcentBar(QWidget* ejer, const QString& navn);
// " Resterende elementer: " followed by the percent and what is left.
QWidget* resterendeRaekke(QWidget* ejer, QLabel* procent, QLabel* resterende);
// The widgets one under the other, 2 pixels apart, within the margin.
QWidget* lodret(std::initializer_list<QWidget*> indhold, int margen = 0);

} // namespace kv
