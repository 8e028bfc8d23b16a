// A program that does nothing: only its name and version resource matter.
int main() { return 0; }
