// The signatures behind the decorated export names, as the Windows C++
// compiler would mangle them. The aliases in plugin/stats.def come from
//   clang++ --target=i686-pc-windows-msvc -c decorated_signatures.cc -o d.obj
//   llvm-nm d.obj
// (clang is not needed otherwise); check_release_dll.sh spells the same
// signatures out and checks the built DLL against them.
class COleDateTime;
#define T const char*
#define D COleDateTime*
int AddData0(T, T, D, D, D, D, unsigned, unsigned, T, T, T, T, T, T, T, T, T, T,
             T, T, T, T, T, int, int, int, double, double, T, T, T, T, T) {
  return 1;
}
int RemoveData0(T, T, D, D, D, D, unsigned, unsigned, T, T, T, T, T, T, T, T, T,
                T, T, T, T, T, T, int, int, int, double, double, T, T, T, T,
                T) {
  return 1;
}
int CheckCallFunc0(T, unsigned, unsigned, T, T, T, T, T, T, T, T, T, T, T, int,
                   int, int, double, double, T, T, T, T, T, T, T, char*,
                   char*) {
  return 4;
}
int ResetStats0(T, int, T, D, D, T, T, T, T, T, T, T, T, T, T, int, int, int,
                double, double, T, T, T) {
  return 1;
}
const char* GetResult0(int*) { return ""; }
const char* GetSetName(int) { return ""; }
int GetNumberOfSets() { return 1; }
void SetupSet0() {}
int StatsGetExchgCount0(T, T, T) { return 1; }
int StatsIsValidExchg0(T, T, T, T, int, int, int) { return 0; }
