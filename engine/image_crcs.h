#pragma once

#include "crc.h"

// The CRCs of the eight symmetric images of a value grid (storage order, values 0 to 9).
//
// The CRC is linear: the CRC of a grid is the CRC of the empty grid combined by XOR with one
// contribution per filled cell, and that contribution depends only on where the cell's digit
// stands in the image and on the digit. A table of the contributions of every cell and digit
// to all eight images gives the same register values as running the CRC over each image, at a
// fraction of the cost.
void ComputeImageCrcs(const unsigned char* values, Crc32 (&imageCrc)[8]);

// Builds image 7 (reflected in the anti-diagonal: the digit of (c, r) goes to (8 - r, 8 - c)).
void BuildLastImage(const unsigned char* values, unsigned char* image);
