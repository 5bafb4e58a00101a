#pragma once

#include <string>
#include <vector>

#include "geometry/figure_numbers.h"

namespace gyro {

// Every word the text of a figure's numbers uses, so that the window can show
// it in the interface language and the headless tool in English.
struct NumberWords {
    // Line labels.
    std::string figure, nameJa, nameEn, vertices, edges, faces, segments, faceKinds, vertexConfigurations,
        euler, pieces, orientable, genus, density, symmetry, chiral, mirror, circumradius, midradius, inradius,
        edgeLengths, area, volume, volumeWithDensity, enclosedVolume, outerArea, dihedralAngles, dual,
        compoundWithDual, base, partner;
    // Pieces of values.
    std::string yes, no, order, range, inEdges, unitEdge, emptySlots, notOneCycle, edgesWithoutAngle, leftOut;
    // Face shapes: %1 stands for the number of corners.
    std::string crossedQuadrilateral, concaveQuadrilateral, concavePolygon, selfIntersectingPolygon,
        degeneratePolygon;
    // Reasons a number is left out.
    std::string noFaces, openSurface, edgeInManyFaces, vertexNotOneCycle, notOrientable, severalPieces,
        centreOnSurface, notWhole, verticesOnALine, tooLarge;
    // The outer surface: still being worked out, or why there is none.
    std::string working, outerEmpty, outerOnlySegments, outerReachesInfinity, outerNoVolume, outerTooLarge,
        outerFailed;
    bool japaneseNames = false;  // related figures named by their Japanese names
};

const NumberWords& EnglishNumberWords();

struct NumberLine {
    std::string label;
    std::string value;
};

// The numbers as labelled lines, rounded to six significant digits.
std::vector<NumberLine> NumberLines(const FigureNumbers& numbers, const NumberWords& words);

// The lines joined as "label: value" with a newline after each.
std::string NumbersText(const FigureNumbers& numbers, const NumberWords& words);

// A number with six significant digits, as shown.
std::string SixDigits(double value);

}  // namespace gyro
