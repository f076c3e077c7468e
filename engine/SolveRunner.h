// Finds a solution for the cube's position away from the user-interface thread, so that neither the
// first use's table building nor a long search freezes the window, and reports it back on that thread.
#pragma once

#include "FaceTurns.h"

#include "cube/CubeSnapshot.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <thread>

namespace velmar::engine {

class SolveRunner : public QObject {
    Q_OBJECT
public:
    SolveRunner(TFaceTurns& turns, cube::TCubeScene& cube);
    // Waits for a search still running: it touches nothing of ours but its own result.
    ~SolveRunner() override;

    // Reads the position when its turn in the turn engine's queue comes (never under a turning layer),
    // then searches. Ignored while a search runs, and once the window closes.
    void request();
    bool isBusy() const { return m_busy; }
    // The search is running on its own thread; its answer is posted back when it ends.
    bool isSearching() const { return m_worker.joinable(); }

signals:
    // On the user-interface thread; `readFrom` is the cube the letters solve.
    void found(const QByteArray& letters, const velmar::cube::CubeSnapshot& readFrom);
    void failed(const QString& message);

private:
    void start();
    void deliver(const std::string& moves, const std::string& error);

    TFaceTurns& m_turns;
    cube::TCubeScene& m_cube;
    cube::CubeSnapshot m_readFrom;
    std::thread m_worker;
    bool m_busy = false;
};

} // namespace velmar::engine
