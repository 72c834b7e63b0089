// Compiled by the fast-math guard tests with and without -ffast-math.
int main()
{
    return 0;
}
