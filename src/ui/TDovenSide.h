#pragma once
// A page of a tab widget whose content is made the first time the page is
// shown (just after) or the program asks for it, so a start pays only for
// the pages it shows. What the content needs once made (settings, bound actions, a help
// button) is done after the page holds it, so that work may ask for the
// content again.
#include <QWidget>
#include <functional>
#include <vector>

namespace kv {

class TDovenSide : public QWidget {
    Q_OBJECT
public:
    TDovenSide(const QString& navn, std::function<QWidget*()> lav, std::function<void(QWidget*)> klar = {});

    // The content, made now when it was not.
    QWidget* indhold();
    bool lavet() const { return m_indhold != nullptr; }
    // Runs naar with the content once it is made, at once when it is.
    void naarLavet(std::function<void(QWidget*)> naar);

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<QWidget*()> m_lav;
    std::vector<std::function<void(QWidget*)>> m_klar;
    QWidget* m_indhold = nullptr;
};

} // namespace kv
