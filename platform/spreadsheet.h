// Spreadsheet workbook in the way the programs drive one: start the application, add a workbook,
// set cells of its sheet by row and column, save it under a name, quit. Written as .xlsx.
#pragma once

#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

namespace platform {

class Spreadsheet
{
public:
    // Rows and columns of one sheet, counted from 1 as the cells are addressed.
    static constexpr int32_t kMaxRows = 1048576;
    static constexpr int32_t kMaxColumns = 16384;

    Spreadsheet() = default;
    ~Spreadsheet() { Quit(); }
    Spreadsheet(const Spreadsheet &) = delete;
    Spreadsheet &operator=(const Spreadsheet &) = delete;

    // A new, empty workbook with one sheet; replaces any workbook not yet saved.
    void AddWorkbook();
    bool HasWorkbook() const { return m_workbook; }

    // Cells(row, column).Value; ignored without a workbook. Text is kept as given (UTF-8 on disk).
    void SetCellText(int32_t row, int32_t column, const QString &text);
    void SetCellNumber(int32_t row, int32_t column, double value);

    // Writes the whole workbook under `path`; an existing file is replaced only once the new one is
    // complete. False on any failure, with the reason in ErrorString(); nothing is left behind then.
    bool SaveAs(const QString &path);
    QString ErrorString() const { return m_error; }

    // Drops the workbook without saving it.
    void Quit();

private:
    struct Cell
    {
        int32_t row;
        int32_t column;
        std::variant<QString, double> value;
    };

    bool m_workbook = false;
    std::vector<Cell> m_cells;
    QString m_error;
};

} // namespace platform
