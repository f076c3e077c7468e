// An independent model of the cube for checking the scene: 54 facelets in the usual puzzle frame
// (x right, y up, z towards the viewer; U = +y, F = +z, R = +x), turned by the quarter-turn moves of
// standard notation. It shares nothing with the program's code.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace velmar::testkit {

struct IVec {
    int x, y, z;
    auto operator<=>(const IVec&) const = default;
};

// A facelet: the cell of the 3x3x3 grid it belongs to and the direction it faces.
struct Facelet {
    IVec cell;
    IVec normal;
    auto operator<=>(const Facelet&) const = default;
};

// Colours by the face they start on: U white, D yellow, F red, B orange, R blue, L green.
enum class Colour : std::uint8_t { White, Yellow, Red, Orange, Blue, Green };

class ReferenceCube {
public:
    // The 54 colours in the order of facelets(): a cube kept in 54 bytes.
    using Colours = std::array<Colour, 54>;

    ReferenceCube();
    explicit ReferenceCube(const Colours& colours);

    // One of U D F B R L, clockwise seen from outside that face; `quarterTurns` 3 is the inverse.
    void turn(char face, int quarterTurns = 1);
    // The program's letters: upper case clockwise, lower case anticlockwise; R front, O back, W top,
    // Y bottom, G left, B right. Any other character is ignored.
    void play(const std::string& letters);

    Colour colourAt(const Facelet& facelet) const { return m_colours.at(facelet); }
    const std::map<Facelet, Colour>& facelets() const { return m_colours; }
    Colours colours() const;
    bool isSolved() const;
    bool operator==(const ReferenceCube& other) const { return m_colours == other.m_colours; }

private:
    std::map<Facelet, Colour> m_colours;
};

const char* toString(Colour colour);

} // namespace velmar::testkit
