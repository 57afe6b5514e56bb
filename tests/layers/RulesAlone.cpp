// The rules library linked whole (--whole-archive) into a program of its
// own: every object of it is in, so a reference from the rules to the
// application or a face is left undefined and fails the build. It runs
// nothing.
int main() {
    return 0;
}
