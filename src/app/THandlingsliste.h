#pragma once
// The main window's actions, made from the action catalogue. Each has an
// execute step and an enabling rule; the rules run when the program has
// handled the user's input and before a shortcut fires. An action that
// nothing has been bound to stays disabled.
#include <QHash>
#include <QObject>
#include <functional>

class QAction;
class QWidget;

namespace kv {

class THandlingsliste : public QObject {
    Q_OBJECT
public:
    explicit THandlingsliste(QWidget* vindue);

    QAction* handling(const char* navn) const;
    void bind(const char* navn, std::function<void()> udfoer, std::function<bool()> aktiv = {});
    // Runs every enabling rule now.
    void opdaterAlle();
    // Runs them once the events now waiting have been handled.
    void planlaegOpdatering();
    // Disables every action for good, when the window closes.
    void stop();
    // While optaget says so, every action is disabled but those allowed here.
    void saetOptaget(std::function<bool()> optaget);
    void tilladUnderHandling(const char* navn);

protected:
    bool eventFilter(QObject* obj, QEvent* event) override;

private:
    struct Post {
        QAction* handling = nullptr;
        std::function<void()> udfoer;
        std::function<bool()> aktiv;
        bool underHandling = false;  // may run while a file operation runs
    };
    void udfoer(const Post& post);
    bool erAktiv(const Post& post) const;
    Post& post(const char* navn);

    QHash<QByteArray, Post> m_poster;
    bool m_planlagt = false;
    bool m_stoppet = false;
    std::function<bool()> m_optaget = [] { return false; };
};

} // namespace kv
