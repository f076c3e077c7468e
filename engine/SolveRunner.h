// Finds a solution away from the user-interface thread, so that neither the first use's table building
// nor a long search freezes the window, and reports it back on that thread.
#pragma once

#include "cube/solver/Solver.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <thread>

namespace velmar::engine {

class SolveRunner : public QObject {
    Q_OBJECT
public:
    SolveRunner() = default;
    // Waits for a search still running: it touches nothing of ours but its own result.
    ~SolveRunner() override;

    // Searches a solution for `facelets`; ignored while a search runs.
    void start(const solver::Facelets& facelets);
    // From the start until its answer is delivered.
    bool isSearching() const { return m_searching; }

signals:
    // On the user-interface thread.
    void found(const QByteArray& letters);
    void failed(const QString& message);

private:
    void deliver(const std::string& moves, const std::string& error);

    std::thread m_worker;
    bool m_searching = false;
};

} // namespace velmar::engine
