// A small owner of an SQLite connection and its prepared statements: the
// handles are closed when the objects go, and every failure is a message,
// never an exception.
#ifndef AADX_TOOLS_CHECK_SQLITE_DB_H_
#define AADX_TOOLS_CHECK_SQLITE_DB_H_

#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace aadx {
namespace check {

class Statement;

class Database {
 public:
  Database() = default;
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens (creating when missing) the database file at `path`; false with
  // error() set when it cannot (the path is not in it).
  bool Open(const std::string& path);
  void Close();
  bool is_open() const { return db_ != nullptr; }

  // Runs one or more statements that return no rows.
  bool Exec(const std::string& sql);
  // Prepares `sql` into `statement`.
  bool Prepare(const std::string& sql, Statement* statement);

  const std::string& error() const { return error_; }

 private:
  friend class Statement;
  void SetError(const std::string& what);

  sqlite3* db_ = nullptr;
  std::string error_;
};

// A prepared statement. Bind parameters by their 1-based index, Step() to
// run it or to read its next row, Reset() to run it again.
class Statement {
 public:
  Statement() = default;
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int index, int64_t value);
  Statement& Bind(int index, const std::string& text);
  // Has a row to read (true), or is done or failed (false; then ok() says
  // which).
  bool Step();
  bool ok() const { return ok_; }
  void Reset();

  int64_t Int(int column) const;
  std::string Text(int column) const;

 private:
  friend class Database;
  void Finalize();

  Database* db_ = nullptr;
  sqlite3_stmt* stmt_ = nullptr;
  bool ok_ = true;
};

// Begins a transaction and commits it with Commit(); rolled back when
// dropped uncommitted.
class Transaction {
 public:
  explicit Transaction(Database* db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  bool Commit();

 private:
  Database* db_;
  bool open_ = false;
};

}  // namespace check
}  // namespace aadx

#endif  // AADX_TOOLS_CHECK_SQLITE_DB_H_
