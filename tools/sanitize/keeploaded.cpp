// Linked into every program of the sanitized build only. Libraries loaded at
// run time (Qt's plugins, the OpenGL driver) stay loaded to the end: the leak
// check at exit then still sees what they hold and can name them in its
// reports, so their leaks can be suppressed by library.
extern "C" int dlclose(void*)
{
    return 0;
}
