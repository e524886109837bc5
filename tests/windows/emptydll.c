/* A DLL with nothing in it but one export: the version reader's tests give it different resources. */
__declspec(dllexport) int veloraTestMarker(void)
{
    return 1;
}
