/* A host in plain C: links the installed library and makes calls that are refused without a dialog. */
#include <ornivex/ornivex.h>
#include <stdio.h>

int main(void)
{
    GEEdtParams params = {NULL, NULL, NULL, OV_CODE_XY_CHART, NULL};
    OvPath* path = ov_path_create(OV_FILL_ALTERNATE);
    const OvPointF line[] = {{0, 0}, {1, 1}};
    int ok = __exp_GEEdt(&params) == 0 && path && ov_path_add_lines(path, line, 2) &&
             ov_path_point_count(path) == 2;
    ov_path_destroy(path);
    puts(ok ? "consumer: ok" : "consumer: FAILED");
    return ok ? 0 : 1;
}
