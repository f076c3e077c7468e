#include "Coordinates.h"

namespace velmar::solver {
namespace {

int choose(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    int r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * (n - k + i) / i;
    return r;
}

// Lehmer code: for each entry, how many later entries are smaller, read as a factorial-base number.
int rankOf(const std::uint8_t* order, int n)
{
    int rank = 0;
    for (int i = 0; i < n; ++i) {
        int smaller = 0;
        for (int j = i + 1; j < n; ++j)
            smaller += order[j] < order[i];
        rank = rank * (n - i) + smaller;
    }
    return rank;
}

void orderOfRank(int rank, std::uint8_t* order, int n, int firstValue)
{
    int digits[12];
    for (int i = n - 1; i >= 0; --i) {
        digits[i] = rank % (n - i);
        rank /= n - i;
    }
    bool used[12] = {};
    for (int i = 0; i < n; ++i) {
        int v = 0;
        for (int skip = digits[i];; ++v)
            if (!used[v] && skip-- == 0)
                break;
        used[v] = true;
        order[i] = std::uint8_t(v + firstValue);
    }
}

} // namespace

int twistOf(const Cubies& c)
{
    int t = 0;
    for (int i = 0; i < cornerCount - 1; ++i)
        t = t * 3 + c.twist[i];
    return t;
}

int flipOf(const Cubies& c)
{
    int f = 0;
    for (int i = 0; i < edgeCount - 1; ++i)
        f = f * 2 + c.flip[i];
    return f;
}

// The places holding slice edges, ascending p0 < p1 < p2 < p3, numbered C(p0,1) + C(p1,2) + C(p2,3) + C(p3,4).
int sliceOf(const Cubies& c)
{
    int s = 0, k = 0;
    for (int place = 0; place < edgeCount; ++place)
        if (c.edge[place] >= firstSliceEdge)
            s += choose(place, ++k);
    return s;
}

int cornerOrderOf(const Cubies& c)
{
    return rankOf(c.corner.data(), cornerCount);
}
int edgeOrderOf(const Cubies& c)
{
    return rankOf(c.edge.data(), firstSliceEdge);
}

int sliceOrderOf(const Cubies& c)
{
    std::uint8_t order[4];
    for (int i = 0; i < 4; ++i)
        order[i] = std::uint8_t(c.edge[firstSliceEdge + i] - firstSliceEdge);
    return rankOf(order, 4);
}

Cubies withTwist(int twist)
{
    Cubies c = Cubies::solved();
    int sum = 0;
    for (int i = cornerCount - 2; i >= 0; --i) {
        c.twist[i] = std::uint8_t(twist % 3);
        sum += twist % 3;
        twist /= 3;
    }
    c.twist[cornerCount - 1] = std::uint8_t((3 - sum % 3) % 3);
    return c;
}

Cubies withFlip(int flip)
{
    Cubies c = Cubies::solved();
    int sum = 0;
    for (int i = edgeCount - 2; i >= 0; --i) {
        c.flip[i] = std::uint8_t(flip % 2);
        sum += flip % 2;
        flip /= 2;
    }
    c.flip[edgeCount - 1] = std::uint8_t(sum % 2);
    return c;
}

Cubies withSlice(int slice)
{
    Cubies c = Cubies::solved();
    bool isSlice[edgeCount] = {};
    for (int k = 4; k >= 1; --k) {
        int place = k - 1;
        while (choose(place + 1, k) <= slice)
            ++place;
        isSlice[place] = true;
        slice -= choose(place, k);
    }
    int nextSlice = firstSliceEdge, nextOther = 0;
    for (int place = 0; place < edgeCount; ++place)
        c.edge[place] = std::uint8_t(isSlice[place] ? nextSlice++ : nextOther++);
    return c;
}

Cubies withCornerOrder(int order)
{
    Cubies c = Cubies::solved();
    orderOfRank(order, c.corner.data(), cornerCount, 0);
    return c;
}

Cubies withEdgeOrder(int order)
{
    Cubies c = Cubies::solved();
    orderOfRank(order, c.edge.data(), firstSliceEdge, 0);
    return c;
}

Cubies withSliceOrder(int order)
{
    Cubies c = Cubies::solved();
    orderOfRank(order, c.edge.data() + firstSliceEdge, 4, firstSliceEdge);
    return c;
}

const int solvedSlice = sliceOf(Cubies::solved());

} // namespace velmar::solver
