// Saving a file so that nothing is lost when the save fails or the machine stops half-way: the
// new contents go to a temporary file beside the old one, reach the disk, and only then take the
// old file's place, in one step. Until that step the old file stays exactly as it was, and a
// failed save leaves no temporary file behind.
#pragma once

#include <string>
#include <string_view>

// Replaces the file's contents with the text in text mode (each LF written as CR LF), creating
// the file when it is missing. A file the person may not write is refused, even in a directory
// they may write; the file keeps its permissions; a symbolic link is saved to the file it points
// to and stays a link. False when the file was left as it was.
bool ReplaceTextFile(const std::string& name, std::string_view text);
