/* exec/errors.h: exec's standard I/O error numbers. */
#ifndef EXEC_ERRORS_H
#define EXEC_ERRORS_H

#define IOERR_OPENFAIL (-1)
#define IOERR_ABORTED (-2)
#define IOERR_NOCMD (-3)
#define IOERR_BADLENGTH (-4)
#define IOERR_BADADDRESS (-5)
#define IOERR_UNITBUSY (-6)
#define IOERR_SELFTEST (-7)

#endif /* EXEC_ERRORS_H */
