// Reads the cube scene in the reference model's terms, and aims the pointer at scene points.
#pragma once

#include "ReferenceCube.h"

#include "cube/CubeScene.h"

#include <QPointF>
#include <QSizeF>
#include <QString>

#include <string>

namespace velmar::testkit {

// Each sticker's colour by the facelet it covers (from its piece's position and the world direction
// its visible side faces); empty with a message in `problem` if the scene is not a whole cube.
std::map<Facelet, Colour> readScene(const cube::TCubeScene& cube, std::string* problem = nullptr);

// "" when the scene shows exactly the model's colours; otherwise the first difference.
std::string compareWithModel(const cube::TCubeScene& cube, const ReferenceCube& model);

// Between turns: every piece under the root, with identity orientation, on the grid.
std::string checkAtRest(const cube::TCubeScene& cube);

// Where a world point lands in a view of logical size `view`, by the camera's own projection.
QPointF projectToView(const platform::Camera& camera, QSizeF view, const QVector3D& world);

} // namespace velmar::testkit
