// Spreadsheet workbook in the way the programs drive one: start the application, add a workbook,
// set cells of its sheet by row and column, save it under a name, quit. Written as .xlsx, row by row.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>

class QTemporaryFile;
struct lxw_workbook;
struct lxw_worksheet;

namespace platform {

class Spreadsheet
{
public:
    // Rows and columns of one sheet, counted from 1 as the cells are addressed.
    static constexpr int32_t kMaxRows = 1048576;
    static constexpr int32_t kMaxColumns = 16384;

    Spreadsheet();
    ~Spreadsheet();
    Spreadsheet(const Spreadsheet &) = delete;
    Spreadsheet &operator=(const Spreadsheet &) = delete;

    // A new, empty workbook with one sheet, built in a temporary file until SaveAs; drops any workbook
    // not yet saved. When it cannot be made, HasWorkbook() stays false and SaveAs says why.
    void AddWorkbook();
    bool HasWorkbook() const { return m_workbook != nullptr; }

    // Cells(row, column).Value; ignored without a workbook. Text is kept as given (UTF-8 on disk).
    // Each row goes to disk once a later one is started, so rows must come in increasing order (the
    // columns of one row in any order). A cell out of order or outside the sheet is not written and
    // makes SaveAs fail.
    void SetCellText(int32_t row, int32_t column, const QString &text);
    void SetCellNumber(int32_t row, int32_t column, double value);

    // Completes the workbook and puts it under `path` whole: an existing file is replaced only once the
    // new one is complete. False on any failure, with the reason in ErrorString(); nothing is left
    // behind then. The workbook ends here either way.
    bool SaveAs(const QString &path);
    QString ErrorString() const { return m_error; }

    // Drops a workbook not yet saved, with its temporary file.
    void Quit();

private:
    // Whether a cell may be written now; records the first refusal otherwise.
    bool Accepts(int32_t row, int32_t column);
    void Written(int32_t row, int32_t column, int error);
    // Copies the completed temporary file to `path`, whole.
    bool PutInPlace(const QString &path);

    lxw_workbook *m_workbook = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    std::unique_ptr<QTemporaryFile> m_aside;
    QByteArray m_tmpdir; // libxlsxwriter's own row file goes there too
    int32_t m_lastRow = 0;
    QString m_failure; // the first cell not written, or why the workbook could not be made
    QString m_error;
};

} // namespace platform
