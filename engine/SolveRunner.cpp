#include "SolveRunner.h"

#include "cube/SceneFacelets.h"

namespace velmar::engine {

SolveRunner::SolveRunner(TFaceTurns& turns, cube::TCubeScene& cube) : m_turns(turns), m_cube(cube) {}

SolveRunner::~SolveRunner()
{
    if (m_worker.joinable())
        m_worker.join();
}

void SolveRunner::request()
{
    if (m_busy || m_turns.isAbandoned())
        return;
    m_busy = true;
    // Dropped by the queue (a pattern playing, the queue full): nothing runs.
    m_busy = m_turns.request([this]() -> std::optional<std::pair<Move, TurnOrigin>> {
        start();
        return std::nullopt;
    });
}

void SolveRunner::start()
{
    m_readFrom = cube::takeSnapshot(m_cube);
    const solver::Facelets facelets = cube::readFacelets(m_cube);
    m_worker = std::thread([this, facelets] {
        solver::prepareTables();
        const solver::SolveResult result = solver::solve(facelets);
        // Posted to this object: the destructor joins first, so it is still there.
        QMetaObject::invokeMethod(
            this, [this, result] { deliver(result.moves, result.error); }, Qt::QueuedConnection);
    });
}

void SolveRunner::deliver(const std::string& moves, const std::string& error)
{
    m_worker.join();
    m_busy = false;
    if (m_turns.isAbandoned())
        return;
    if (!error.empty())
        emit failed(QString::fromStdString(error));
    else
        emit found(QByteArray::fromStdString(moves), m_readFrom);
}

} // namespace velmar::engine
