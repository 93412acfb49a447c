// The identifiers of the program's dialog resources, shared by the resource script and the code.
#define IDD_UNEXAMINED 200
#define IDC_UNEXAMINED_LIST 201
