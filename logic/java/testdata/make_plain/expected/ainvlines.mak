CLS = \
       com/demo/QNcfg.class \
       com/demo/ainvlines.class \
       com/demo/pprintinv.class \
       com/demo/dbcINVLINE.class \
       com/demo/supcINVLINE.class \
       com/demo/dbcINVOICE.class \
       com/demo/supcINVOICE.class \

all  :$(CLS)

com/demo/QNcfg.class : com/demo/QNcfg.java
	@echo Compiling com/demo/QNcfg.java
	@$(JAVAC) $(CFLAGS) com/demo/QNcfg.java
com/demo/ainvlines.class : com/demo/ainvlines.java
	@echo Compiling com/demo/ainvlines.java
	@$(JAVAC) $(CFLAGS) com/demo/ainvlines.java
com/demo/pprintinv.class : com/demo/pprintinv.java
	@echo Compiling com/demo/pprintinv.java
	@$(JAVAC) $(CFLAGS) com/demo/pprintinv.java
com/demo/dbcINVLINE.class : com/demo/dbcINVLINE.java
	@echo Compiling com/demo/dbcINVLINE.java
	@$(JAVAC) $(CFLAGS) com/demo/dbcINVLINE.java
com/demo/supcINVLINE.class : com/demo/supcINVLINE.java
	@echo Compiling com/demo/supcINVLINE.java
	@$(JAVAC) $(CFLAGS) com/demo/supcINVLINE.java
com/demo/dbcINVOICE.class : com/demo/dbcINVOICE.java
	@echo Compiling com/demo/dbcINVOICE.java
	@$(JAVAC) $(CFLAGS) com/demo/dbcINVOICE.java
com/demo/supcINVOICE.class : com/demo/supcINVOICE.java
	@echo Compiling com/demo/supcINVOICE.java
	@$(JAVAC) $(CFLAGS) com/demo/supcINVOICE.java
