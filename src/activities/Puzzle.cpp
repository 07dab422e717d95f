#include "activities/Puzzle.h"

#include "platform/Clock.h"

#include <utility>

Puzzle::Puzzle() {
    build();
}

void Puzzle::build() {
    for (int i = 0; i < Pieces; ++i) {
        cells_.at(index(i)) = i;
        places_.at(index(i)) = i;
    }
    borders_.fill(false);
    draggable_ = false;
}

void Puzzle::empty() {
    cells_.fill(NoCell);
    borders_.fill(false);
    draggable_ = false;
}

int Puzzle::reveal(int reussites) {
    const int piece = reussites - 1;
    if (!valid(piece))
        return -1;
    cells_.at(index(piece)) = piece;
    borders_.at(index(piece)) = true;
    return piece;
}

bool Puzzle::endSeries(int erreurs, Random& random) {
    if (erreurs > MaxErrorsForReward)
        return false;
    random.randomize();
    for (int i = 0; i < Pieces; ++i) {
        const int j = qBound(0, static_cast<int>(random.rnd() * Pieces), Pieces - 1);
        std::swap(places_.at(index(i)), places_.at(index(j)));
    }
    draggable_ = true;
    return true;
}

bool Puzzle::swap(int dragged, int target) {
    if (!draggable_ || !valid(dragged) || !valid(target) || dragged == target)
        return false;
    std::swap(cells_.at(index(dragged)), cells_.at(index(target)));
    return true;
}
