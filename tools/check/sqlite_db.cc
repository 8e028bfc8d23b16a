#include "tools/check/sqlite_db.h"

#include <sqlite3.h>

namespace aadx {
namespace check {

Database::~Database() { Close(); }

bool Database::Open(const std::string& path) {
  Close();
  error_.clear();
  if (sqlite3_open_v2(path.c_str(), &db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                      nullptr) != SQLITE_OK) {
    SetError("cannot be opened");
    Close();
    return false;
  }
  return true;
}

void Database::Close() {
  if (db_) sqlite3_close_v2(db_);
  db_ = nullptr;
}

void Database::SetError(const std::string& what) {
  error_ = what + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory");
}

bool Database::Exec(const std::string& sql) {
  char* message = nullptr;
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK)
    return true;
  error_ = message ? message : "SQL failed";
  sqlite3_free(message);
  return false;
}

bool Database::Prepare(const std::string& sql, Statement* statement) {
  statement->Finalize();
  statement->db_ = this;
  statement->ok_ = sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement->stmt_,
                                      nullptr) == SQLITE_OK;
  if (!statement->ok_) SetError("cannot prepare");
  return statement->ok_;
}

Statement::~Statement() { Finalize(); }

void Statement::Finalize() {
  if (stmt_) sqlite3_finalize(stmt_);
  stmt_ = nullptr;
}

Statement& Statement::Bind(int index, int64_t value) {
  if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) ok_ = false;
  return *this;
}

Statement& Statement::Bind(int index, const std::string& text) {
  if (sqlite3_bind_text(stmt_, index, text.data(),
                        static_cast<int>(text.size()),
                        SQLITE_TRANSIENT) != SQLITE_OK)
    ok_ = false;
  return *this;
}

bool Statement::Step() {
  if (!ok_ || !stmt_) return false;
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc != SQLITE_DONE) {
    ok_ = false;
    db_->SetError("cannot run");
  }
  return false;
}

void Statement::Reset() {
  if (!stmt_) return;
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

int64_t Statement::Int(int column) const {
  return sqlite3_column_int64(stmt_, column);
}

std::string Statement::Text(int column) const {
  const unsigned char* text = sqlite3_column_text(stmt_, column);
  return text ? std::string(
                    reinterpret_cast<const char*>(text),
                    static_cast<size_t>(sqlite3_column_bytes(stmt_, column)))
              : std::string();
}

Transaction::Transaction(Database* db) : db_(db) { open_ = db_->Exec("BEGIN"); }

Transaction::~Transaction() {
  if (open_) db_->Exec("ROLLBACK");
}

bool Transaction::Commit() {
  if (!open_) return false;
  open_ = false;
  return db_->Exec("COMMIT");
}

}  // namespace check
}  // namespace aadx
