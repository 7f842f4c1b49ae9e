#include "workbook/SheetWriterThread.h"

#include "report/CodePage.h"

namespace rokal {

namespace {

// Cells handed over at once, and batches waiting at most: the caller waits
// rather than holding more than a few thousand rows' cells.
constexpr std::size_t kBatchCells = 4096;
constexpr std::size_t kMaxQueuedBatches = 16;

}  // namespace

SheetWriterThread::SheetWriterThread(SheetWriter& sheet)
    : sheet_(sheet), thread_([this] { Run(); }) {
    batch_.reserve(kBatchCells);
}

SheetWriterThread::~SheetWriterThread() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void SheetWriterThread::Text(int row, int column, const std::u16string& text, lxw_format* format) {
    if (text.empty() && format == nullptr) {
        return;
    }
    Add({row, column, false, 0, Utf16ToUtf8(text), ShownWidth(text), format});
}

void SheetWriterThread::Number(int row, int column, double value, const std::u16string& shownText,
                               lxw_format* format) {
    Add({row, column, true, value, {}, ShownWidth(shownText), format});
}

void SheetWriterThread::Add(Cell cell) {
    batch_.push_back(std::move(cell));
    if (batch_.size() >= kBatchCells) {
        Hand(false);
    }
}

// Queues the batch, waiting while the queue is full.
void SheetWriterThread::Hand(bool last) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return queue_.size() < kMaxQueuedBatches || error_; });
    ThrowPending();
    if (!batch_.empty()) {
        queue_.push_back(std::move(batch_));
        batch_ = Batch();
        batch_.reserve(kBatchCells);
    }
    done_ = last;
    lock.unlock();
    changed_.notify_all();
}

void SheetWriterThread::Run() {
    for (;;) {
        Batch batch;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            changed_.wait(lock, [this] { return stop_ || done_ || !queue_.empty(); });
            if (stop_ || queue_.empty()) {
                return;
            }
            batch = std::move(queue_.front());
            queue_.pop_front();
        }
        changed_.notify_all();
        try {
            for (const Cell& cell : batch) {
                if (cell.number) {
                    sheet_.NumberOfWidth(cell.row, cell.column, cell.value, cell.width,
                                         cell.format);
                } else {
                    sheet_.Utf8Text(cell.row, cell.column, cell.text, cell.width, cell.format);
                }
            }
        } catch (...) {
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                error_ = std::current_exception();
                queue_.clear();
            }
            changed_.notify_all();
            return;
        }
    }
}

void SheetWriterThread::ThrowPending() {
    if (error_) {
        std::rethrow_exception(error_);
    }
}

void SheetWriterThread::Finish() {
    Hand(true);
    if (thread_.joinable()) {
        thread_.join();
    }
    ThrowPending();
}

}  // namespace rokal
