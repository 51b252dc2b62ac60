#include "BatchRun.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "AtomicFile.h"
#include "BatchEngine.h"
#include "BatchTable.h"
#include "CsvReader.h"
#include "QuotedText.h"

namespace {

using Clock = std::chrono::steady_clock;

// Rows written so far, how fast and how long the rest will take, on one terminal line redrawn in place.
class Progress {
public:
    explicit Progress(std::FILE* pTerminal) : m_pTerminal(pTerminal), m_start(Clock::now()) {}

    void Show(const char* what, std::size_t nDone, std::size_t nTotal, bool bForce = false) {
        if (m_pTerminal == nullptr || (m_bShown && nDone == m_nLastDone)) return;
        const Clock::time_point now = Clock::now();
        if (!bForce && now - m_lastShown < std::chrono::milliseconds(250)) return;
        m_lastShown = now;
        m_nLastDone = nDone;
        const double dSeconds = std::chrono::duration<double>(now - m_start).count();
        const double dRate = dSeconds > 0.0 ? static_cast<double>(nDone) / dSeconds : 0.0;
        std::fprintf(m_pTerminal, "\rdravonel-cli: %s %zu", what, nDone);
        if (nTotal > 0) {
            const long nLeft =
                dRate > 0.0 ? static_cast<long>(static_cast<double>(nTotal - nDone) / dRate) : 0;
            std::fprintf(m_pTerminal, " of %zu rows, %.0f rows/s, %ld:%02ld left   ", nTotal, dRate,
                         nLeft / 60, nLeft % 60);
        } else {
            std::fprintf(m_pTerminal, " rows   ");
        }
        std::fflush(m_pTerminal);
        m_bShown = true;
    }

    // Ends the line, so that what follows starts on a line of its own.
    void Finish() {
        if (m_pTerminal != nullptr && m_bShown) std::fputc('\n', m_pTerminal);
        m_bShown = false;
        m_start = Clock::now();
    }

private:
    std::FILE* m_pTerminal;
    Clock::time_point m_start;
    Clock::time_point m_lastShown{};
    std::size_t m_nLastDone = 0;
    bool m_bShown = false;
};

// Where the rows go: a file written all or nothing, standard output, or a string.
class RowSink {
public:
    RowSink(const BatchRequest& request, const BatchStreams& streams)
        : m_request(request), m_streams(streams) {}

    bool Open(std::string* pError) {
        return !m_request.bHasOutput || m_file.Open(m_request.strOutputPath, pError);
    }

    bool Write(const std::string& text, std::string* pError) {
        if (m_request.bHasOutput) return m_file.Write(text, pError);
        if (m_streams.pOut == nullptr) {
            *m_streams.pCollected += text;
            return true;
        }
        if (std::fwrite(text.data(), 1, text.size(), m_streams.pOut) != text.size() ||
            std::fflush(m_streams.pOut) != 0) {
            *pError = "cannot write to standard output";
            return false;
        }
        return true;
    }

    bool Commit(std::string* pError) { return !m_request.bHasOutput || m_file.Commit(pError); }

private:
    const BatchRequest& m_request;
    const BatchStreams& m_streams;
    AtomicFileWriter m_file;
};

std::string Place(const std::string& file, std::size_t nLine) { return file + ":" + std::to_string(nLine); }

std::string CellMessage(const std::string& file, std::size_t nLine, const CellRefusal& refusal) {
    return Place(file, nLine) + ": " + (refusal.strColumn.empty() ? "" : refusal.strColumn + ": ") +
           refusal.strReason;
}

BatchOutcome Refused(std::string message) {
    BatchOutcome outcome;
    outcome.end = BatchEnd::Refused;
    outcome.messages.push_back(std::move(message));
    return outcome;
}

// Reads the header; a refusal or an empty file ends the batch.
std::optional<BatchOutcome> ReadHeader(CsvReader& reader, const std::string& file, BatchColumns& columns) {
    std::vector<std::string> fields;
    switch (reader.Next(fields)) {
        case CsvReader::Status::End:
            return Refused(file + ": empty; the first line names the columns");
        case CsvReader::Status::Refused:
            return Refused(Place(file, reader.Line()) + ": " + reader.Reason());
        case CsvReader::Status::ReadFailed:
            return Refused(file + ": cannot read: " + std::strerror(reader.Error()));
        case CsvReader::Status::Record:
            break;
    }
    HeaderRead header = ReadBatchHeader(fields);
    if (header.refusal) return Refused(Place(file, reader.Line()) + ": " + *header.refusal);
    columns = std::move(header.columns);
    return std::nullopt;
}

// The first pass: every row judged, none run. Returns the outcome when the batch ends here, else the count
// of rows.
std::optional<BatchOutcome> CheckRows(int fd, const std::string& file, const FormRecord& start,
                                      Progress& progress, std::size_t* pRows) {
    CsvReader reader(fd);
    BatchColumns columns;
    if (auto ended = ReadHeader(reader, file, columns)) return ended;
    BatchOutcome outcome;
    std::size_t nRefused = 0;
    std::vector<std::string> fields;
    std::size_t nRows = 0;
    for (;;) {
        const CsvReader::Status status = reader.Next(fields);
        if (status == CsvReader::Status::End) break;
        if (status != CsvReader::Status::Record) {
            const std::string reason = status == CsvReader::Status::Refused
                                           ? Place(file, reader.Line()) + ": " + reader.Reason()
                                           : file + ": cannot read: " + std::strerror(reader.Error());
            // The rest of the file cannot be told apart into records; what was found so far still counts.
            if (outcome.messages.size() < kMaxListedRefusals) outcome.messages.push_back(reason);
            ++nRefused;
            break;
        }
        ++nRows;
        const BatchRow row = ReadBatchRow(fields, columns, start);
        for (const CellRefusal& refusal : row.refusals) {
            if (outcome.messages.size() < kMaxListedRefusals)
                outcome.messages.push_back(CellMessage(file, reader.Line(), refusal));
            ++nRefused;
        }
        progress.Show("checking", nRows, 0);
    }
    progress.Finish();
    if (nRefused == 0) {
        *pRows = nRows;
        return std::nullopt;
    }
    if (nRefused > outcome.messages.size())
        outcome.messages.push_back("... and " + std::to_string(nRefused - outcome.messages.size()) + " more");
    outcome.end = BatchEnd::Refused;
    return outcome;
}

}  // namespace

BatchOutcome RunBatch(const BatchRequest& request, const BatchStreams& streams) {
    const std::string file = ShownFileName(request.strInputPath);
    const int fd = open(request.strInputPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Refused(file + ": cannot read: " + std::strerror(errno));
    struct FdCloser {
        int fd;
        ~FdCloser() { close(fd); }
    } closer{fd};
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return Refused(file +
                       ": not a regular file; the rows are read twice, so a pipe or device cannot be used");

    const FormRecord start = StartRecord(UnitSystem::English, request.now);
    Progress progress(streams.pProgress);
    std::size_t nRows = 0;
    if (auto ended = CheckRows(fd, file, start, progress, &nRows)) return *ended;

    BatchOutcome outcome;
    const auto failed = [&](BatchEnd end, std::string message) {
        progress.Finish();
        outcome.end = end;
        outcome.messages.push_back(std::move(message));
        return outcome;
    };
    const auto changed = [&] {
        return failed(BatchEnd::Refused, file + ": changed while the batch ran; nothing more was written");
    };

    RowSink sink(request, streams);
    std::string error;
    if (!sink.Open(&error)) return failed(BatchEnd::WriteFailed, error);
    if (lseek(fd, 0, SEEK_SET) != 0)
        return failed(BatchEnd::Refused, file + ": cannot read: " + std::strerror(errno));
    CsvReader reader(fd);
    BatchColumns columns;
    if (ReadHeader(reader, file, columns)) return changed();
    const bool bWithId = columns.nIdColumn >= 0;

    std::string text = request.format == BatchFormat::Csv ? BatchCsvHeader(bWithId) : "";
    const std::size_t nChunk = std::max<std::size_t>(1, request.nChunkRows);
    std::vector<SimulationInputs> inputs;
    std::vector<std::string> ids;
    std::vector<std::string> fields;
    bool bEnd = false;
    while (!bEnd) {
        inputs.clear();
        ids.clear();
        while (inputs.size() < nChunk) {
            const CsvReader::Status status = reader.Next(fields);
            if (status == CsvReader::Status::End) {
                bEnd = true;
                break;
            }
            BatchRow row;
            if (status == CsvReader::Status::Record) row = ReadBatchRow(fields, columns, start);
            if (status != CsvReader::Status::Record || !row.refusals.empty()) return changed();
            inputs.push_back(row.inputs);
            ids.push_back(std::move(row.strId));
        }
        if (outcome.nRows + inputs.size() > nRows) return changed();
        if (streams.pInterrupted && *streams.pInterrupted)
            return failed(BatchEnd::Interrupted,
                          "interrupted after " + std::to_string(outcome.nRows) + " rows");

        if (inputs.empty()) break;
        const ScenarioAnswers answers = AnswerScenarios(inputs, request.bCurves, {});
        for (std::size_t i = 0; i < inputs.size(); ++i)
            AppendBatchRow(text, request.format, bWithId ? &ids[i] : nullptr, inputs[i], answers.summaries[i],
                           request.bCurves ? &answers.curves[i] : nullptr);
        if (!sink.Write(text, &error)) return failed(BatchEnd::WriteFailed, error);
        text.clear();
        outcome.nRows += inputs.size();
        progress.Show("batch:", outcome.nRows, nRows);
    }
    if (outcome.nRows != nRows) return changed();
    if (!text.empty() && !sink.Write(text, &error)) return failed(BatchEnd::WriteFailed, error);
    if (!sink.Commit(&error)) return failed(BatchEnd::WriteFailed, error);
    progress.Show("batch:", outcome.nRows, nRows, true);
    progress.Finish();
    return outcome;
}
