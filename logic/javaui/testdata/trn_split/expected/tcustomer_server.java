/*
               File: tcustomer_server
        Description: Customers
             Author: Quenora Java Generator version 619
       Generated on: <when>
       Program type: Callable routine
         Connection: Explicit (dbms)
        Target DBMS: qedbase
   Operating System: Neither specified nor inferred.
 Main access method: qndata
    Use ODBC Access: Yes
*/
import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
/* Client and Server side code */
public final class tcustomer_server extends QNServerTransaction
{
   public tcustomer_server(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( tcustomer_server.class ), "" );
   }

   public tcustomer_server(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   protected void init_no_key061( )
   {
      Acustname = "" ;
      Acustname = Ecustname ;
   }

   protected void init_all061( )
   {
      Acustid = 0 ;
      init_no_key061( ) ;
   }

   protected void after_trn061( )
   {
      if ( ( trnEnded == 1 ) )
      {
         trnEnded = 0 ;
         if (!cleanedUp) {
            sanomod( ) ;
            if ( ( QNutil.strcmp(Mode, "INS") == 0 ) )
            {
               /* Clear variables for new insertion. */
               init_all061( ) ;
            }
         }
      }
   }

   protected void sa_startup061( )
   {
      sa_startup_srv061( ) ;
   }

   protected void sa_startup_srv061( )
   {
      if ( ( AnyError == 0 ) )
      {
         sanomod( ) ;
      }
      sCallerURL = CGI_Referer ;
      geteq_nomod( ) ;
      samod_061( ) ;
      set_caption( ) ;
      PreviousCaption = bttEnter_Caption ;
      PreviousTooltip = bttEnter_Tooltiptext ;
   }

   protected void clear( )
   {
      init_no_key061( ) ;
   }

   protected void reset_caption_061( )
   {
      bttEnter_Caption = PreviousCaption;
      bttEnter_Tooltiptext = PreviousTooltip;
      IsConfirmed = 0 ;
   }

   protected void set_caption( )
   {
      if ( ( IsConfirmed == 1 ) )
      {
         msgStatus = localUtil.getMessages().getMessage("mustconfirm") ;
         Enter_Caption = localUtil.getMessages().getMessage("captionconfirm") ;
         Enter_Tooltiptext = localUtil.getMessages().getMessage("captionconfirm") ;
      }
      else if ( ( QNutil.strcmp(Mode, "INS") == 0 ) )
      {
         Enter_Caption = localUtil.getMessages().getMessage("captionadd") ;
         Enter_Tooltiptext = localUtil.getMessages().getMessage("captionadd") ;
      }
      else if ( ( QNutil.strcmp(Mode, "UPD") == 0 ) )
      {
         Enter_Caption = localUtil.getMessages().getMessage("captionupdate") ;
         Enter_Tooltiptext = localUtil.getMessages().getMessage("captionupdate") ;
      }
      else if ( ( QNutil.strcmp(Mode, "DLT") == 0 ) )
      {
         Enter_Caption = localUtil.getMessages().getMessage("captiondelete") ;
         Enter_Tooltiptext = localUtil.getMessages().getMessage("captiondelete") ;
      }
   }

   protected void zm061( int QN_JID )
   {
      if ( ( QN_JID == 1 ) || ( QN_JID == 0 ) )
      {
         if ( ( QNutil.strcmp(Mode, "INS") != 0 ) )
         {
            Zcustid = dbocustomer.getCustid() ;
            Zcustname = dbocustomer.getCustname() ;
         }
         else
         {
            Zcustid = Acustid ;
            Zcustname = Acustname ;
         }
      }
   }

   protected void sanomod( )
   {
   }

   protected void samod_061( )
   {
   }

   protected void ld061( )
   {
   }

   protected void checket_061( )
   {
      samod_061( ) ;
   }

   protected void getkey_061( )
   {
      T00069.fetchFirst(dbocustomer, Acustid);
      if (!T00069.eof())
      {
         RcdFound = (short)(1) ;
      }
      else
      {
         RcdFound = 0 ;
      }
      T00069.close() ;
   }

   protected void geteq( )
   {
      T000610.fetchFirst(dbocustomer, Acustid);
      zm061( 1) ;
      if (!T000610.eof())
      {
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
         RcdFound = (short)(1) ;
         Zcustid = Acustid ;
         sMode1 = Mode ;
         Mode = "DSP" ;
         samod_061( ) ;
         ld061( ) ;
         Mode = sMode1 ;
      }
      else
      {
         init_no_key061( ) ;
         RcdFound = 0 ;
      }
      T000610.close() ;
   }

   protected void geteq_nomod( )
   {
      getkey_061( ) ;
      if ( ( RcdFound == 0 ) )
      {
         Mode = "INS" ;
      }
      else
      {
         Mode = "UPD" ;
      }
      geteq( ) ;
   }

   protected void chkps_061( )
   {
   }

   protected void insert_061( )
   {
      checket_061( ) ;
      if ( ( AnyError == 0 ) )
      {
         chkps_061( ) ;
         if ( ( AnyError == 0 ) )
         {
            after_confirm_061( ) ;
            if ( ( AnyError == 0 ) )
            {
               T000611.executeUpd(Acustid, Acustname) ;
               if ( ( AnyError == 0 ) )
               {
                  /* Start of After( Insert) rules */
                  /* End of After( Insert) rules */
                  if ( ( AnyError == 0 ) )
                  {
                     geteq( ) ;
                     msgStatus = localUtil.getMessages().getMessage("sucadded") ;
                     reset_caption_061( ) ;
                     /* Save values for previous() function. */
                     Ecustname = Acustname ;
                  }
               }
               else
               {
                  msgMsg =  localUtil.getMessages().getMessage("unexp") ;
                  AnyError = (short)(1) ;
               }
            }
         }
         else
         {
            ld061( ) ;
         }
         endlvl_061( ) ;
      }
   }

   protected void update_061( )
   {
      checket_061( ) ;
      if ( ( AnyError == 0 ) )
      {
         chkps_061( ) ;
         if ( ( AnyError == 0 ) )
         {
            after_confirm_061( ) ;
            if ( ( AnyError == 0 ) )
            {
               if ( ( QNutil.strcmp(Mode, "INS") != 0 ) )
               {
                  T000612.fetchFirst(dbocustomer, Acustid);
                  Qn_longc = false ;
                  if (T000612.eof() || dbocustomer.getCustid() != Zcustid || QNutil.strcmp(dbocustomer.getCustname(), Zcustname) != 0)
                  {
                     arguments = new Object[ 1 ];
                     arguments[ 0 ] = "CUSTOMER" ;
                     msgMsg =  localUtil.getMessages().getMessage("waschg", arguments) ;
                     AnyError = (short)(1) ;
                  }
                  T000612.close() ;
               }
               if ( ( AnyError == 0 ) )
               {
                  T000613.executeUpd(Acustname, Acustid) ;
                  if ( ( AnyError == 0 ) )
                  {
                     /* Start of After( update) rules */
                     /* End of After( update) rules */
                     if ( ( AnyError == 0 ) )
                     {
                        geteq( ) ;
                        msgStatus = localUtil.getMessages().getMessage("sucupdated") ;
                        reset_caption_061( ) ;
                        /* Save values for previous() function. */
                        Ecustname = Acustname ;
                     }
                  }
                  else
                  {
                     msgMsg =  localUtil.getMessages().getMessage("unexp") ;
                     AnyError = (short)(1) ;
                  }
               }
            }
         }
         endlvl_061( ) ;
      }
   }

   protected void delete( )
   {
      Mode = "DLT" ;
      /* Delete mode formulas */
      if ( ( AnyError == 0 ) )
      {
         chkps_061( ) ;
         after_confirm_061( ) ;
         if ( ( AnyError == 0 ) )
         {
            T000614.executeUpd(Acustid) ;
            if ( ( AnyError == 0 ) )
            {
               /* Start of After( delete) rules */
               /* End of After( delete) rules */
               init_all061( ) ;
               move_next( ) ;
               if ( ( RcdFound == 0 ) )
               {
                  Mode = "INS" ;
                  geteq( ) ;
               }
               else
               {
                  Mode = "UPD" ;
                  geteq( ) ;
               }
               msgStatus = localUtil.getMessages().getMessage("sucdeleted") ;
            }
            else
            {
               msgMsg =  localUtil.getMessages().getMessage("unexp") ;
               AnyError = (short)(1) ;
            }
         }
         endlvl_061( ) ;
      }
   }

   protected void updtn1_061( )
   {
   }

   protected void endlvl_061( )
   {
      if ( ( AnyError == 0 ) )
      {
         /* After transaction rules */
         /* Execute 'After Trn' event if defined. */
         trnEnded = 1 ;
      }
      else
      {
      }
   }

   protected void scanstart_061( )
   {
      T000615.fetchFirst(dbocustomer);
      RcdFound = 0 ;
      if (!T000615.eof())
      {
         RcdFound = (short)(1) ;
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
      }
   }

   protected void scannext_061( )
   {
      T000615.readNext();
      RcdFound = 0 ;
      if (!T000615.eof())
      {
         RcdFound = (short)(1) ;
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
      }
   }

   protected void scanend_061( )
   {
      T000615.close() ;
   }

   protected void after_confirm_061( )
   {
      /* After confirm rules */
   }

   /* Server side code */
   /* Aggregate/select formulas */
   /* Vertical formulas */
   protected void btn_enter( )
   {
      nKeyPressed = (byte)(1) ;
      getkey_061( ) ;
      if ( ( RcdFound == 1 ) )
      {
         if ( ( QNutil.strcmp(Mode, "INS") == 0 ) )
         {
            msgMsg =  localUtil.getMessages().getMessage("noupdate") ;
            AnyError = (short)(1) ;
         }
         else if ( ( Acustid != Zcustid ) )
         {
            Acustid = Zcustid ;
            msgMsg =  localUtil.getMessages().getMessage("getbeforeupd") ;
            AnyError = (short)(1) ;
         }
         else
         {
            Mode = "UPD" ;
            if ( ( IsConfirmed == 1 ) )
            {
               /* Update record */
               update_061( ) ;
               setNextFocus("edtcustid");
            }
            else
            {
               /* Confirm record */
               confirm_061( ) ;
               setNextFocus("bttEnter");
            }
         }
      }
      else
      {
         if ( ( Acustid != Zcustid ) )
         {
            Mode = "INS" ;
            if ( ( IsConfirmed == 1 ) )
            {
               /* Insert record */
               insert_061( ) ;
               setNextFocus("edtcustid");
            }
            else
            {
               /* Confirm record */
               confirm_061( ) ;
               setNextFocus("bttEnter");
            }
         }
         else
         {
            if ( ( QNutil.strcmp(Mode, "UPD") == 0 ) )
            {
               msgMsg =  localUtil.getMessages().getMessage("recdeleted") ;
               AnyError = (short)(1) ;
            }
            else
            {
               Mode = "INS" ;
               if ( ( IsConfirmed == 1 ) )
               {
                  /* Insert record */
                  insert_061( ) ;
                  setNextFocus("edtcustid");
               }
               else
               {
                  /* Confirm record */
                  confirm_061( ) ;
                  setNextFocus("bttEnter");
               }
            }
         }
      }
      setFocusNext();
   }

   protected void btn_get( )
   {
      nKeyPressed = (byte)(2) ;
      geteq_nomod( ) ;
      if ( ( RcdFound == 0 ) )
      {
         msgMsg =  localUtil.getMessages().getMessage("keynfound") ;
         AnyError = (short)(1) ;
      }
      else
      {
         setNextFocus("edtcustid");
      }
   }

   protected void confirm_061( )
   {
      checket_061( ) ;
      if ( ( AnyError == 0 ) )
      {
         sMode1 = Mode ;
         Mode = sMode1 ;
         PreviousCaption = bttEnter_Caption ;
         PreviousTooltip = bttEnter_Tooltiptext ;
         IsConfirmed = (short)(1) ;
      }
   }

   protected void move_next( )
   {
      T000616.fetchFirst(dbocustomer, Acustid);
      while (!T000616.eof() && dbocustomer.getCustid() == Acustid)
      {
         T000616.readNext();
      }
      RcdFound = 0 ;
      if (!T000616.eof())
      {
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
         RcdFound = (short)(1) ;
      }
      T000616.close() ;
   }

   protected void move_previous( )
   {
      T000617.fetchFirst(dbocustomer, Acustid);
      while (!T000617.eof() && dbocustomer.getCustid() == Acustid)
      {
         T000617.readNext();
      }
      RcdFound = 0 ;
      if (!T000617.eof())
      {
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
         RcdFound = (short)(1) ;
      }
      T000617.close() ;
   }

   protected void after_level( )
   {
      /* Start of After( level) rules */
      Acustname = "Saved" ;
      /* End of After( level) rules */
   }

   protected void sendData(QNParameterPacker qnp) {
      qnp.writeInt(Acustid);
      qnp.writeString(Acustname);
      qnp.writeString(Ecustname);
      qnp.writeInt(Zcustid);
      qnp.writeString(Zcustname);
      qnp.writeShort(IsConfirmed);
      qnp.writeString(PreviousTooltip);
      qnp.writeInt(trnEnded);
      qnp.writeBoolean(loopOnce);
      qnp.writeString(PreviousCaption);
      qnp.writeString(Qn_mode);
      qnp.writeString(errorMsg);
      qnp.writeString(msgMsg);
      qnp.writeString(QN_FocusControl);
      qnp.writeString(msgStatus);
      qnp.writeString(bttEnter_Caption);
      qnp.writeString(bttEnter_Tooltiptext);
   }
   protected void getData(QNParameterUnpacker qnu) {
      Acustid = qnu.readInt();
      Acustname = qnu.readString();
      Ecustname = qnu.readString();
      IsConfirmed = qnu.readShort();
      PreviousTooltip = qnu.readString();
      trnEnded = qnu.readInt();
      loopOnce = qnu.readBoolean();
      PreviousCaption = qnu.readString();
      bttEnter_Caption = qnu.readString();
      bttEnter_Tooltiptext = qnu.readString();
   }
   protected void getKey(QNParameterUnpacker qnu) {
      Acustid = qnu.readInt();
   }
   public void initialize( )
   {
      IsConfirmed = 0 ;
      RcdFound = 0 ;
      trnEnded = 0 ;
      nKeyPressed = 0 ;
      nUserReturn = 0 ;
      Mode = "" ;
      sCallerURL = "" ;
      PreviousTooltip = "" ;
      PreviousCaption = "" ;
      sMode1 = "" ;
      Zcustid = 0 ;
      Zcustname = "" ;
      Acustname = "" ;
      Ecustname = "" ;
      Acustid = 0 ;
      CGI_Referer = "" ;
      bttEnter_Caption = "" ;
      bttEnter_Tooltiptext = "" ;
      Enter_Caption = "" ;
      Enter_Tooltiptext = "" ;
      Qn_longc = false ;
      QN_JID = 0 ;
      dbocustomer = new dbcCUSTOMER(context, remoteHandle, false) ;
      T00069 = new fT00069(context, remoteHandle) ;
      T000610 = new fT000610(context, remoteHandle) ;
      T000611 = new dT000611(context, remoteHandle) ;
      T000612 = new fT000612(context, remoteHandle) ;
      T000613 = new dT000613(context, remoteHandle) ;
      T000614 = new dT000614(context, remoteHandle) ;
      T000615 = new fT000615(context, remoteHandle) ;
      T000616 = new fT000616(context, remoteHandle) ;
      T000617 = new fT000617(context, remoteHandle) ;
   }

   protected void cleanup( )
   {
   }

   protected byte nKeyPressed ;
   protected byte nUserReturn ;
   protected short IsConfirmed ;
   protected short RcdFound ;
   protected int trnEnded ;
   protected int Zcustid ;
   protected int Acustid ;
   protected int QN_JID ;
   protected String Mode ;
   protected String sCallerURL ;
   protected String PreviousTooltip ;
   protected String PreviousCaption ;
   protected String sMode1 ;
   protected String Zcustname ;
   protected String Acustname ;
   protected String Ecustname ;
   protected String CGI_Referer ;
   protected String bttEnter_Caption ;
   protected String bttEnter_Tooltiptext ;
   protected String Enter_Caption ;
   protected String Enter_Tooltiptext ;
   protected boolean Qn_longc ;
   protected dbcCUSTOMER dbocustomer ;
   protected fT00069 T00069 ;
   protected fT000610 T000610 ;
   protected dT000611 T000611 ;
   protected fT000612 T000612 ;
   protected Object[] arguments ;
   protected dT000613 T000613 ;
   protected dT000614 T000614 ;
   protected fT000615 T000615 ;
   protected fT000616 T000616 ;
   protected fT000617 T000617 ;
}

final class fT00062 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT00062(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00062" ;
      supplierName = "fT00062" ;
      SQL = "SELECT CustId  FROM CUSTOMER (LOCKING=NONE) WHERE CustId = ?   FOR UPDATE OF CustId" ;
   }

   public DatabaseClass getDBO()
   {
      return dbocustomer ;
   }

   public void newDBO()
   {
      dbocustomer = new dbcCUSTOMER ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dbocustomer.setCustid(rslt.getInt(1));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcCUSTOMER dbocustomer, int P1)
   {
      this.dbocustomer = dbocustomer ;
      dbocustomer.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00062" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT00063 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT00063(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00063" ;
      supplierName = "fT00063" ;
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=NONE) WHERE CustId = ?   FOR UPDATE OF CustId" ;
   }

   public DatabaseClass getDBO()
   {
      return dbocustomer ;
   }

   public void newDBO()
   {
      dbocustomer = new dbcCUSTOMER ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dbocustomer.setCustid(rslt.getInt(1));
      dbocustomer.setCustname(rslt.getString(2, 30));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcCUSTOMER dbocustomer, int P1)
   {
      this.dbocustomer = dbocustomer ;
      dbocustomer.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00063" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT00064 extends QNDBUpdateSupplier
{
   public dT00064(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcCUSTOMER.getDataSourceName();
      supplierName = "dT00064" ;
      cursorId = "T00064" ;
      SQL = "INSERT INTO CUSTOMER (CustId, CustName) VALUES (?, ?)" ;
   }

   public void executeUpd(int P1, String P2)
   {
      try {
         prepare();
         setParameters( P1, P2 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT00064" + ".executeUpd", e); }
   }

   public void setParameters(int P1, String P2)
   {
      try {
         stmt.setInt(1, P1);
         stmt.setString(2, P2, 30);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
         stmt.setString(2, qnu.readString(), 30);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT00065 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT00065(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00065" ;
      supplierName = "fT00065" ;
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=RECORD) WHERE CustId = ?   FOR UPDATE OF CustId" ;
   }

   public DatabaseClass getDBO()
   {
      return dbocustomer ;
   }

   public void newDBO()
   {
      dbocustomer = new dbcCUSTOMER ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dbocustomer.setCustid(rslt.getInt(1));
      dbocustomer.setCustname(rslt.getString(2, 30));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcCUSTOMER dbocustomer, int P1)
   {
      this.dbocustomer = dbocustomer ;
      dbocustomer.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00065" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT00066 extends QNDBUpdateSupplier
{
   public dT00066(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcCUSTOMER.getDataSourceName();
      supplierName = "dT00066" ;
      cursorId = "T00066" ;
      SQL = "UPDATE CUSTOMER SET CustName = ? WHERE CustId = ?" ;
   }

   public void executeUpd(String P1, int P2)
   {
      try {
         prepare();
         setParameters( P1, P2 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT00066" + ".executeUpd", e); }
   }

   public void setParameters(String P1, int P2)
   {
      try {
         stmt.setString(1, P1, 30);
         stmt.setInt(2, P2);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setString(1, qnu.readString(), 30);
         stmt.setInt(2, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT00067 extends QNDBUpdateSupplier
{
   public dT00067(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcCUSTOMER.getDataSourceName();
      supplierName = "dT00067" ;
      cursorId = "T00067" ;
      SQL = "DELETE FROM CUSTOMER WHERE CustId = ?" ;
   }

   public void executeUpd(int P1)
   {
      try {
         prepare();
         setParameters( P1 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT00067" + ".executeUpd", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT00068 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT00068(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00068" ;
      supplierName = "fT00068" ;
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=NONE)  ORDER BY CustId  " ;
   }

   public DatabaseClass getDBO()
   {
      return dbocustomer ;
   }

   public void newDBO()
   {
      dbocustomer = new dbcCUSTOMER ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dbocustomer.setCustid(rslt.getInt(1));
      dbocustomer.setCustname(rslt.getString(2, 30));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcCUSTOMER dbocustomer)
   {
      this.dbocustomer = dbocustomer ;
      dbocustomer.unloadAll();
      try {
         prepare();
         setParameters();
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00068" + ".fetchFirst", e); }
   }

}

final class fT00069 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT00069(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00069" ;
      supplierName = "fT00069" ;
      SQL = "SELECT CustId  FROM CUSTOMER (LOCKING=NONE) WHERE CustId = ?   FOR UPDATE OF CustId" ;
   }

   public DatabaseClass getDBO()
   {
      return dbocustomer ;
   }

   public void newDBO()
   {
      dbocustomer = new dbcCUSTOMER ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dbocustomer.setCustid(rslt.getInt(1));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcCUSTOMER dbocustomer, int P1)
   {
      this.dbocustomer = dbocustomer ;
      dbocustomer.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00069" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT000610 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT000610(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T000610" ;
      supplierName = "fT000610" ;
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=NONE) WHERE CustId = ?   FOR UPDATE OF CustId" ;
   }

   public DatabaseClass getDBO()
   {
      return dbocustomer ;
   }

   public void newDBO()
   {
      dbocustomer = new dbcCUSTOMER ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dbocustomer.setCustid(rslt.getInt(1));
      dbocustomer.setCustname(rslt.getString(2, 30));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcCUSTOMER dbocustomer, int P1)
   {
      this.dbocustomer = dbocustomer ;
      dbocustomer.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT000610" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT000611 extends QNDBUpdateSupplier
{
   public dT000611(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcCUSTOMER.getDataSourceName();
      supplierName = "dT000611" ;
      cursorId = "T000611" ;
      SQL = "INSERT INTO CUSTOMER (CustId, CustName) VALUES (?, ?)" ;
   }

   public void executeUpd(int P1, String P2)
   {
      try {
         prepare();
         setParameters( P1, P2 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT000611" + ".executeUpd", e); }
   }

   public void setParameters(int P1, String P2)
   {
      try {
         stmt.setInt(1, P1);
         stmt.setString(2, P2, 30);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
         stmt.setString(2, qnu.readString(), 30);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT000612 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT000612(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T000612" ;
      supplierName = "fT000612" ;
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=RECORD) WHERE CustId = ?   FOR UPDATE OF CustId" ;
   }

   public DatabaseClass getDBO()
   {
      return dbocustomer ;
   }

   public void newDBO()
   {
      dbocustomer = new dbcCUSTOMER ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dbocustomer.setCustid(rslt.getInt(1));
      dbocustomer.setCustname(rslt.getString(2, 30));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcCUSTOMER dbocustomer, int P1)
   {
      this.dbocustomer = dbocustomer ;
      dbocustomer.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT000612" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT000613 extends QNDBUpdateSupplier
{
   public dT000613(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcCUSTOMER.getDataSourceName();
      supplierName = "dT000613" ;
      cursorId = "T000613" ;
      SQL = "UPDATE CUSTOMER SET CustName = ? WHERE CustId = ?" ;
   }

   public void executeUpd(String P1, int P2)
   {
      try {
         prepare();
         setParameters( P1, P2 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT000613" + ".executeUpd", e); }
   }

   public void setParameters(String P1, int P2)
   {
      try {
         stmt.setString(1, P1, 30);
         stmt.setInt(2, P2);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setString(1, qnu.readString(), 30);
         stmt.setInt(2, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT000614 extends QNDBUpdateSupplier
{
   public dT000614(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcCUSTOMER.getDataSourceName();
      supplierName = "dT000614" ;
      cursorId = "T000614" ;
      SQL = "DELETE FROM CUSTOMER WHERE CustId = ?" ;
   }

   public void executeUpd(int P1)
   {
      try {
         prepare();
         setParameters( P1 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT000614" + ".executeUpd", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT000615 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT000615(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T000615" ;
      supplierName = "fT000615" ;
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=NONE)  ORDER BY CustId  " ;
   }

   public DatabaseClass getDBO()
   {
      return dbocustomer ;
   }

   public void newDBO()
   {
      dbocustomer = new dbcCUSTOMER ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dbocustomer.setCustid(rslt.getInt(1));
      dbocustomer.setCustname(rslt.getString(2, 30));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcCUSTOMER dbocustomer)
   {
      this.dbocustomer = dbocustomer ;
      dbocustomer.unloadAll();
      try {
         prepare();
         setParameters();
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT000615" + ".fetchFirst", e); }
   }

}

final class fT000616 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT000616(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T000616" ;
      supplierName = "fT000616" ;
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=NONE) WHERE (CustId >= ?) ORDER BY CustId  " ;
   }

   public DatabaseClass getDBO()
   {
      return dbocustomer ;
   }

   public void newDBO()
   {
      dbocustomer = new dbcCUSTOMER ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dbocustomer.setCustid(rslt.getInt(1));
      dbocustomer.setCustname(rslt.getString(2, 30));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcCUSTOMER dbocustomer, int P1)
   {
      this.dbocustomer = dbocustomer ;
      dbocustomer.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT000616" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT000617 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT000617(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T000617" ;
      supplierName = "fT000617" ;
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=NONE) WHERE (CustId <= ?) ORDER BY CustId DESC  " ;
   }

   public DatabaseClass getDBO()
   {
      return dbocustomer ;
   }

   public void newDBO()
   {
      dbocustomer = new dbcCUSTOMER ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dbocustomer.setCustid(rslt.getInt(1));
      dbocustomer.setCustname(rslt.getString(2, 30));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcCUSTOMER dbocustomer, int P1)
   {
      this.dbocustomer = dbocustomer ;
      dbocustomer.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT000617" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

