#include "cli/Usage.h"

namespace harvex2::cli {

const char* const kUsageText =
    "usage: harvex2-cli extract [--keep-mailto] [--keep-bookmarks] [--keep-query]\n"
    "                           [--base URL] [-0|--null] FILE...\n"
    "Try 'harvex2-cli --help' for more information.\n";

const char* const kHelpText =
    R"(usage: harvex2-cli extract [OPTION]... FILE...

Prints the links found in each HTML FILE, in order, exactly as the Parse HTML
dialog of Harvex2 finds them: after a "<", the first "h" or "H" of the tag
must be followed by "re", and the next double-quoted text is the link. Bytes
are written as they stand in the file; nothing is decoded, trimmed or
de-duplicated. The input of a file ends at its end or at its first byte 26.
A FILE of "-" is standard input. Reading stops early when the reader of the
output closes it, as "head" does.

By default links holding "mailto:", "#" or "?" are left out, as with the
program's default settings.

Options:
      --keep-mailto      keep links that contain "mailto:"
      --keep-bookmarks   keep links that contain "#"
      --keep-query       keep links that contain "?"
      --base URL         put URL in front of every relative link; a link is
                         absolute when it holds "http://" or "ftp://" or
                         begins with a scheme such as "https:" or "mailto:".
                         One "/" is dropped where URL ends and the link
                         begins with one; nothing else is changed. An empty
                         URL leaves links as they are.
  -0, --null             end each link with a NUL byte instead of a line
                         feed (links may contain line breaks)
      --                 the arguments that follow are all files ("-" is still
                         standard input; write "./-" for a file of that name)
  -h, --help             show this help and exit

Exit status:
  0  every file was read
  1  a file could not be opened; it is reported on standard error as
     "Error opening the HTML source file" with the file name and the reason,
     and the other files are still read (also: the output could not be
     written or was closed early, or memory ran out, which ends the run)
  2  wrong usage

Example:
  harvex2-cli extract page.html | aria2c -i -
)";

} // namespace harvex2::cli
