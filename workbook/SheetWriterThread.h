#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "workbook/SheetWriter.h"

namespace rokal {

// Hands cells to a SheetWriter on a thread of its own, so that libxlsxwriter
// writes a large sheet while the caller is still computing its rows. The cells
// are prepared (UTF-8, width) on the caller's thread; the sheet is touched by
// the writing thread alone until Finish returns.
class SheetWriterThread {
  public:
    explicit SheetWriterThread(SheetWriter& sheet);
    // Stops the thread; cells not yet written are dropped.
    ~SheetWriterThread();
    SheetWriterThread(const SheetWriterThread&) = delete;
    SheetWriterThread& operator=(const SheetWriterThread&) = delete;

    void Text(int row, int column, const std::u16string& text, lxw_format* format = nullptr);
    void Number(int row, int column, double value, const std::u16string& shownText,
                lxw_format* format = nullptr);

    // Waits until every cell is written. Throws the first WorkbookError a cell
    // gave (which Text and Number throw too, once it has happened).
    void Finish();

  private:
    struct Cell {
        int row;
        int column;
        bool number;
        double value;
        std::string text;
        int width;
        lxw_format* format;
    };
    using Batch = std::vector<Cell>;

    void Add(Cell cell);
    void Hand(bool last);
    void Run();
    void ThrowPending();

    SheetWriter& sheet_;
    Batch batch_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Batch> queue_;
    bool done_ = false;
    bool stop_ = false;
    std::exception_ptr error_;
    std::thread thread_;
};

}  // namespace rokal
