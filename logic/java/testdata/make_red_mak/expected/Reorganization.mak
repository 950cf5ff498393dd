CLS = \
       QNcfg.class \
       qncrtdb.class \
       qnlred.class \
       qnrgza.class \
       qnrgzb.class \
       qnrgzc.class \
       Reorganization.class \

all  :$(CLS)

QNcfg.class : QNcfg.java
	@echo Compiling QNcfg.java
	@$(JAVAC) $(CFLAGS) QNcfg.java
qncrtdb.class : qncrtdb.java
	@echo Compiling qncrtdb.java
	@$(JAVAC) $(CFLAGS) qncrtdb.java
qnlred.class : qnlred.java
	@echo Compiling qnlred.java
	@$(JAVAC) $(CFLAGS) qnlred.java
qnrgza.class : qnrgza.java
	@echo Compiling qnrgza.java
	@$(JAVAC) $(CFLAGS) qnrgza.java
qnrgzb.class : qnrgzb.java
	@echo Compiling qnrgzb.java
	@$(JAVAC) $(CFLAGS) qnrgzb.java
qnrgzc.class : qnrgzc.java
	@echo Compiling qnrgzc.java
	@$(JAVAC) $(CFLAGS) qnrgzc.java
Reorganization.class : Reorganization.java
	@echo Compiling Reorganization.java
	@$(JAVAC) $(CFLAGS) Reorganization.java
