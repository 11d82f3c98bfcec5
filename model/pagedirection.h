#pragma once

// The neighbours of a printed page.
enum class PageDirection { Left, Right, Up, Down };
