#pragma once

#include <array>
#include <cstddef>

class Random;

// The Repère puzzle board without widgets: nine pieces on a 3 x 3 board. Each piece stands on a
// place of the board and shows one cell of the puzzle picture, or nothing.
//     Puzzle puzzle;            // every piece shows its own cell, in its own place
//     puzzle.empty();           // "Action": the pieces are emptied
//     puzzle.reveal(n);         // after the n-th counted answer (1..9), piece n - 1 shows cell n -
//     1 puzzle.endSeries(e, rnd); // fewer than 4 errors: places scrambled, pieces can be dragged
//     puzzle.swap(a, b);        // a piece dropped on another: their pictures change places
class Puzzle {
public:
    static constexpr int Pieces = 9;
    static constexpr int Side = 3;
    static constexpr int NoCell = -1;
    static constexpr int MaxErrorsForReward = 3;

    Puzzle();

    // Every piece shows its own cell, without border, in its own place; nothing can be dragged.
    void build();
    // Every piece shows nothing.
    void empty();
    // A right answer brought the series to `reussites` counted answers: piece reussites - 1
    // shows cell reussites - 1 with a border. From the tenth on, nothing is revealed.
    // Returns the piece revealed, or -1.
    int reveal(int reussites);
    // End of the series: with fewer than 4 errors the places of the pieces are scrambled (the
    // generator reseeded; for each piece i, its place swapped with that of piece
    // int(rnd() * 9)) and the pieces can be dragged. Returns whether it scrambled.
    bool endSeries(int erreurs, Random& random);
    // Piece `dragged` dropped on piece `target`: their pictures change places (the
    // borders stay). Refused (false) unless dragging is allowed and both are other valid pieces.
    bool swap(int dragged, int target);

    int cell(int piece) const { return cells_.at(index(piece)); }
    bool bordered(int piece) const { return borders_.at(index(piece)); }
    // Place of the piece on the board, 0..8, row by row.
    int place(int piece) const { return places_.at(index(piece)); }
    bool draggable() const { return draggable_; }

private:
    static std::size_t index(int piece) { return static_cast<std::size_t>(piece); }
    static bool valid(int piece) { return piece >= 0 && piece < Pieces; }

    std::array<int, Pieces> cells_{};
    std::array<bool, Pieces> borders_{};
    std::array<int, Pieces> places_{};
    bool draggable_ = false;
};
