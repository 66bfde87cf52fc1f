#pragma once

// The zoom and copy rows of the benchmark's table: Tolvane's window zoomed
// from 100 to 400 % and back, from the key to the next painted frame, in
// time and in instructions, with the pictures drawn and fetched on each
// step; and the copy of a picture at 400 %. Each at screen scale 1 and 2,
// offscreen on one large screen. Runs tolvane_zoom_probe; prints the rows.
void PrintZoomFigures();
