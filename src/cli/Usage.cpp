#include "cli/Usage.h"

namespace harvex2::cli {

const char* const kUsageText =
    "usage: harvex2-cli extract [--text] [--quick] [--media] [--resolve]\n"
    "                           [--keep-mailto] [--keep-bookmarks] [--keep-query]\n"
    "                           [--keep-script-links]\n"
    "                           [--base URL] [-0|--null] FILE...\n"
    "       harvex2-cli sequence [--marker C] [--zeros N] [--dir DIR] [-0|--null]\n"
    "                            TEMPLATE START END [STEP]\n"
    "       harvex2-cli sequence --glob TEMPLATE [--mask M] [--dir DIR] [-0|--null]\n"
    "       harvex2-cli list [--new] [-0|--null] FILE.nva\n"
    "       harvex2-cli convert INPUT --to nva|html|text|aria2|wget|curl|jsonl\n"
    "                           [--selected|--unselected] [--base URL] [--cut-long]\n"
    "                           [--mask M] [--dir D] [--referer R] [--names] -o OUTPUT\n"
    "       harvex2-cli send --aria2 [--rpc URL] [--secret S] [--dir D] [--skip-sent]\n"
    "                        [--wait[=SECONDS]] [--mask M] [--referer R] [--names]\n"
    "                        [-0|--null] [FILE|-]\n"
    "       harvex2-cli send --command TEMPLATE [--jobs N] [--dir D] [--mask M]\n"
    "                        [--referer R] [--names] [-0|--null] [FILE|-]\n"
    "       harvex2-cli ledger forget RULE... [--target NAME]\n"
    "extract, list, convert and send also take [--select RULE] [--exclude RULE]\n"
    "[--rules FILE] [--unique|--unique-strip-tracking] [--explain]; list and\n"
    "convert take [--only-selected].\n"
    "Try 'harvex2-cli --help' for more information.\n";

const char* const kHelpText =
    R"(usage: harvex2-cli extract [OPTION]... FILE...
       harvex2-cli sequence [OPTION]... TEMPLATE START END [STEP]
       harvex2-cli sequence --glob TEMPLATE [OPTION]...
       harvex2-cli list [OPTION]... FILE.nva
       harvex2-cli convert INPUT --to FORM [OPTION]... -o OUTPUT
       harvex2-cli send --aria2 [OPTION]... [FILE|-]
       harvex2-cli send --command TEMPLATE [OPTION]... [FILE|-]
       harvex2-cli ledger forget RULE... [--target NAME]

extract: prints the links found in each HTML FILE, in order, as the Parse
HTML dialog of Harvex2 finds them. By default FILE is read as a browser reads
it: the "href" of every tag, quoted either way or unquoted, with character
references such as "&amp;" decoded; nothing from comments, scripts, styles,
titles or text areas. Every other byte is written as it stands; nothing is
trimmed or de-duplicated. A FILE of "-" is standard input. Reading stops
early when the reader of the output closes it, as "head" does.

With --quick, the quick scan reads FILE instead: after a "<", the first "h"
or "H" of the tag must be followed by "re", and the next double-quoted text
is the link, not decoded. Its input ends at the first byte 26.

By default links holding "mailto:", "#" or "?" are left out, as with the
program's default settings, and so are links that begin with "javascript:",
"vbscript:" or "data:" (the full reader only).

With --text, FILE is plain text, such as a mail or a chat log: every
"http://", "https://" and "ftp://" link in it is printed, and every host
that begins with "www.", with "http://" put in front. A link ends at a blank,
a control character, "<", ">", '"', "`", a Unicode space or CJK and
full-width punctuation; trailing ".,;:!?'" is left out, and a closing
parenthesis or bracket belongs to a link only when the link holds the one it
closes. "[/url]" and "[/img]" end a link, and so does the "]" of "[url=...]".
The links are printed as they stand; the rules for leaving links out do not
apply.

Options of extract:
      --text             read FILE as plain text (see above)
      --quick            read with the quick scan (double quotes only)
      --media            also print the addresses of images, video and audio
                         (src, poster, data-src, data-original, the largest
                         candidate of srcset); not with --quick
      --resolve          resolve the relative links of a page that names its
                         own address (a "saved from url" comment, <base href>
                         or <link rel="canonical">) against it; not with
                         --quick
      --keep-mailto      keep links that contain "mailto:"
      --keep-bookmarks   keep links that contain "#"
      --keep-query       keep links that contain "?"
      --keep-script-links
                         keep "javascript:", "vbscript:" and "data:" links
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

sequence: prints the URLs the Add Sequential Files dialog makes, one per
line: the first "|" of TEMPLATE is replaced by each number from START up to
and including END, STEP apart (1 when not given). Further markers stay as
they are. Numbers are whole 32-bit numbers, decimal or hexadecimal after "$"
or "0x"; a negative START stands as it is ("-5"), or after "--".
With --glob, TEMPLATE is read as curl reads a URL: [1-100], [001-100] (padded
to the width of the start), [0-100:5], [a-z], [A-Z:2] and {jpg,png} stand for
each of their values, every combination of them, the last changing fastest;
\[ \] \{ \} are the characters themselves, and a host such as [::1] is no
group. The URLs are made one by one as they are written, however many.

Options of sequence:
      --marker C         the character replaced by the number: one of
                         | # ~ ^ (default |)
      --zeros N          write every number with at least N digits, filled
                         with leading zeros (at most 224); a longer number is
                         never cut
      --dir DIR          follow each URL with a tab and its download path:
                         DIR, a "/" unless DIR ends with one, and the text
                         after the URL's last "/" (or the name --mask makes)
      --glob TEMPLATE    a bracket template instead of a marker and a range
      --mask M           with --glob: follow each URL with a tab and a file
                         name made from M: #1, #2 ... the values of the
                         template's groups, *name* and *ext* the URL's file
                         name without its extension and the extension,
                         *num* the row number padded to the width of the
                         count, *host* the URL's host
  -0, --null             end each line with a NUL byte instead of a line feed
      --                 the arguments that follow are all values
  -h, --help             show this help and exit

list: prints what a Harvex links list file (.nva) holds, one line each:
"base", a tab and the Base URL; "directory", a tab and the download
directory; then for each entry "1" (checked) or "0" (unchecked), a tab and
its text, in list order. Texts are written as stored, at most 128 bytes.

Options of list:
      --new              only the entries no target has taken yet (see ledger)
  -0, --null             end each line with a NUL byte instead of a line feed
  -h, --help             show this help and exit

convert: writes the links of INPUT to OUTPUT in one of the forms of the Save
Links dialog. INPUT is a Harvex links list file when its name ends in ".nva"
(any case), otherwise a plain-text list: one link per line, a carriage
return before the line feed dropped, empty lines skipped, every entry
unchecked. OUTPUT is replaced only once it is complete.

Options of convert:
      --to FORM          nva: a links list file, every entry with its state;
                         html: an HTML page of links; text: one link per
                         line, each ended by a carriage return and line feed;
                         aria2: an input file for "aria2c -i"; wget: a list
                         for "wget -i"; curl: a config file for "curl -K";
                         jsonl: one JSON object per link with its url, name,
                         dir, referer and checked state
      --selected         all but nva: only the checked entries
      --unselected       all but nva: only the unchecked entries
      --base URL         the Base URL: written into an nva file, and put in
                         front of relative links of html and text (by the
                         rule of extract). Default: the Base URL of an nva
                         INPUT, none for a plain-text INPUT
      --cut-long         nva: save texts longer than 128 bytes cut to their
                         first 128; without it such a text stops the command
                         before anything is written
      --mask M           aria2, curl, jsonl: name each file by the mask M
                         (see Names below)
      --dir D            aria2, curl, jsonl: the folder to save into
      --referer R        aria2, curl, jsonl: "none" (the default), "page"
                         (the page the link came from, else the Base URL)
                         or any other text as the referrer of every link
      --names            a plain-text INPUT holds "link<TAB>name" lines; the
                         name goes with the link
                         Links a form cannot hold (a TAB or a line break in
                         an aria2 file, a line break in a wget list, bytes
                         that are not UTF-8 in jsonl) are left out, told,
                         and make the command fail.
  -o, --output OUTPUT    the file to write
      --                 the arguments that follow are all INPUT
  -h, --help             show this help and exit

Options of extract, list, convert and send, to pick links by rules:
      --select RULE      the rule line "+ RULE": select the links RULE holds
                         for (such as "ext:jpg,png" or "host:*.example.com
                         text:/big/")
      --exclude RULE     the rule line "- RULE": leave them out
      --rules FILE       the rule lines of FILE, one per line; blank lines
                         and lines starting with "#" are skipped
                         These three apply in the order given, and the last
                         line that holds for a link decides. Every link
                         starts selected when the first line is "-", and
                         unselected when it is "+". extract prints, and send
                         sends, only the links selected at the end; list and
                         convert keep every entry with its new state. A rule
                         that does not parse stops the command with exit
                         status 2, its place and the reason.
      --explain          tell on standard error, for each link, the line
                         that decided it ("no line" when none held), a tab
                         and the link
      --unique           keep only the first of links that name the same
                         file (the same after lower-casing scheme and host
                         and dropping the default port and the fragment);
                         it is selected when any of its copies was
      --unique-strip-tracking
                         --unique, also ignoring the query parameters utm_*,
                         fbclid and gclid
      --only-selected    list and convert: write only the selected entries

Exit status:
  0  done
  1  extract: a file could not be opened; it is reported on standard error
     as "Error opening the HTML source file" with the file name and the
     reason, and the other files are still read. The run ends early when
     the output could not be written or was closed, or memory ran out.
     sequence: no URL was made; the dialog's message is written on standard
     error ("Can't find the digit position marker", "'x' is not a valid
     integer value", "Format string too long", a STEP below 1, or an END
     below START; for --glob, why and where the template was refused), or
     the output could not be written.
     list: the file could not be read whole; what it held before the
     failure is still printed, then standard error tells why ("File not
     found", "Read beyond end of file", ...).
     convert: INPUT could not be read or OUTPUT not written, or a text
     is too long for an nva OUTPUT; standard error names the file and the
     reason, or the number of long texts and the first of them, and OUTPUT
     is left as it was.
  2  wrong usage

send: hands the links of FILE (standard input when it is "-" or not given),
one per line, to aria2 over its JSON-RPC interface, the way the Adding window
does with aria2 chosen in Options. Prints one line per link: aria2's GID, a
tab and the link when aria2 took it, or "error: " and aria2's message, a tab
and the link when it refused it. Exits with 1 when any link was refused or
aria2 could not be reached, and 2 on usage errors. Each link aria2 took is
recorded in the ledger of sent links.

With --command, runs a program for each link instead and waits for all of
them. Prints one line per link as its program ends: "done", a tab and the link
when it exited with 0, otherwise "error: " with its last error line and exit
status; "refused: " and the reason for a link that cannot be passed safely.
Exits with 1 when any link failed or was refused, or when the program cannot
be started, which is told before any starts.

Options of send:
      --aria2            hand the links to aria2
      --command TEMPLATE run the program of TEMPLATE for each link; TEMPLATE
                         is cut into words as a POSIX shell cuts them, but no
                         shell runs, and {url}, {dir}, {name} (the link's file
                         name, or the one --mask or --names gives), {referer}
                         and {n} (its number, from 1) are replaced inside
                         the words. A link that would start a word
                         with "-" is refused unless a "--" word comes before
      --jobs N           run N programs at a time (default 4)
      --rpc URL          aria2's JSON-RPC address
                         (default http://127.0.0.1:6800/jsonrpc)
      --secret S         aria2's secret token; by default the value of the
                         environment variable HARVEX2_ARIA2_SECRET, which
                         keeps it out of the process list
      --skip-sent        do not send links aria2 took before; each is
                         printed as "sent before", a tab and the link
      --wait[=SECONDS]   then follow the downloads for up to SECONDS (a day
                         when not given), print each that failed ("failed: "
                         and aria2's message), was not finished or is
                         unknown to aria2, a tab and the link, and exit with
                         1 when any failed or was not finished
      --dir D            save into folder D; the file is named after the
                         text after the link's last "/" when that is a plain
                         file name, otherwise aria2 names it; with --command,
                         the value of {dir} (default ".")
      --mask M           name each file by the mask M (see Names below);
                         names taken in the batch or in D get "_2", "_3"
      --referer R        "none" (the default) or a text sent as the
                         referrer of every link; with --command, {referer}
      --names            FILE holds "link<TAB>name" lines; each name wins
                         over the mask
  -0, --null             links are separated by NUL bytes (as "extract -0"
                         writes them), and so are the outcome lines
  -h, --help             show this help and exit

Names: a mask is a file name in which *name* and *ext* stand for the link's
file name (escapes decoded) without its extension and the extension, *num*
for the link's number zero-padded to the width of the count, *host* for the
link's host, *subdirs* for the link's folders, *y*, *m* and *d* for today's
date, and #1, #2 ... for the counters of a "sequence --glob" template; "/"
makes folders. Separators and control characters in a name become "_";
folders that come out ".", ".." or empty are dropped.

ledger: the record of the links each target took, in
$XDG_DATA_HOME/harvex2/sent (~/.local/share/harvex2/sent), one line each: the
time, a tab, "sent", a tab, the target, a tab and the link in its canonical
form. "forget" takes out the links that any RULE holds for ("ext:jpg",
"host:*.example.com text:/tmp/", as a rule line after "+"), for the target NAME
or every target, and prints each: the target, a tab and the link.

Examples:
  harvex2-cli extract page.html | aria2c -i -
  harvex2-cli sequence --zeros 3 'http://example.com/img|.jpg' 1 120
  harvex2-cli sequence --glob 'http://example.com/[a-c]/img[001-120].jpg' \
      --mask '#1-#2.jpg'
  harvex2-cli list saved.nva | grep '^1' | cut -f2-
  harvex2-cli convert saved.nva --to html --selected -o links.htm
  harvex2-cli send --command 'wget -nv -O {dir}/{name} -- {url}' --dir ~/Downloads links.txt
)";

} // namespace harvex2::cli
