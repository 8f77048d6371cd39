#pragma once
// The visit log on disk: a CSV file to which each visit's line is appended
// once the visit has ended. Each line goes in one write to a file opened for
// appending and is synced before the next visit, so that a power cut loses
// at most the visit in progress, never a line written before. A new or empty
// file gets the header first; a last line torn by a crash is left on a line
// of its own. Failures are answered, never thrown: the exhibit carries on.

#include <string>

// Creates the file if it is missing, to learn early whether it can be
// written. Answers an empty string, or why not in one line.
std::string openVisitLog(const std::string& path);

// Appends the line (without its newline) and syncs it to disk. Answers an
// empty string, or why it failed in one line; a line written in part is
// taken back.
std::string appendToVisitLog(const std::string& path, const std::string& line);
