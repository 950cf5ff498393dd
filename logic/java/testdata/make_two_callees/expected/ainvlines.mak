CLS = \
       QNcfg.class \
       ainvlines.class \
       pprintinv.class \
       dbcINVLINE.class \
       supcINVLINE.class \
       dbcINVOICE.class \
       supcINVOICE.class \
       plinetotals.class \

all  :$(CLS)

QNcfg.class : QNcfg.java
	@echo Compiling QNcfg.java
	@$(JAVAC) $(CFLAGS) QNcfg.java
ainvlines.class : ainvlines.java
	@echo Compiling ainvlines.java
	@$(JAVAC) $(CFLAGS) ainvlines.java
pprintinv.class : pprintinv.java
	@echo Compiling pprintinv.java
	@$(JAVAC) $(CFLAGS) pprintinv.java
dbcINVLINE.class : dbcINVLINE.java
	@echo Compiling dbcINVLINE.java
	@$(JAVAC) $(CFLAGS) dbcINVLINE.java
supcINVLINE.class : supcINVLINE.java
	@echo Compiling supcINVLINE.java
	@$(JAVAC) $(CFLAGS) supcINVLINE.java
dbcINVOICE.class : dbcINVOICE.java
	@echo Compiling dbcINVOICE.java
	@$(JAVAC) $(CFLAGS) dbcINVOICE.java
supcINVOICE.class : supcINVOICE.java
	@echo Compiling supcINVOICE.java
	@$(JAVAC) $(CFLAGS) supcINVOICE.java
plinetotals.class : plinetotals.java
	@echo Compiling plinetotals.java
	@$(JAVAC) $(CFLAGS) plinetotals.java
