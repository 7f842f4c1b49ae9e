#!/usr/bin/env bash
# Builds Rokal for 64-bit Windows in build-win/ (scripts/build-windows.sh) and runs
# its tests under wine, in wine prefixes of the build folder's own: the test
# programs (the window tests on Qt's offscreen platform), the schedule end-to-end
# script against the packaged rokal.exe in Xvfb, and the installer's silent install
# and uninstall.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-win}
bash scripts/build-windows.sh "$dir"

# Not yet passing under wine, and left out until they do: the cases that read a
# PDF back with poppler's tools or a code with zbarimg from inside wine, those
# that expect a read-only folder to refuse a write (wine running as root writes
# anyway), a file-name case, the script that checks rokal-cli's typeset book (it
# starts rokal-cli.exe without wine), and the end-to-end script that types piles
# into rokal.exe (a character it types arrives otherwise through wine's keyboard).
not_yet=(
    'BookPdfTest.*' '*/BookPdfForms.*' 'TypesetPdfTest.*' 'CliPdfBookTest.*' 'TypesetBookWindowTest.*'
    'AboutTest.ContactCodeReadsAsTheWebAddress'
    'SaveTest.AFailedWriteIsReportedWithItsPathAndChangesNothing'
    'ScheduleFileTest.AFailedSaveLeavesTheEarlierFileAndSaysWhy'
    'ScheduleFileTest.FileNamesShowAsTheyAre' 'ScheduleFileTest.SaveAsWritesWhereTheUserChose'
    'PrintWindowTest.ExportsTheShownFormWhereTheUserChose'
    'PrintWindowTest.TheShortcutsPrintAndPreviewTheShownForm'
)
GTEST_FILTER="-$(IFS=:; echo "${not_yet[*]}")" \
    ctest --test-dir "$dir" --output-on-failure -j2 \
    -E '^(windows_e2e_save_both_reports|cli_typeset_book)$'
