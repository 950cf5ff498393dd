// Hand-written frame of the golden case trn_buttons: each "//@" marker is
// replaced by the lines the button rules write there; the rest stands in
// for the transaction class (its fields, its focus call).
import com.quenora.*;
import com.quenora.uifactory.*;

public final class tcustomer_buttons extends QNWorkpanel {
   // A button with the property setters the fragments call.
   static final class Button extends IQNButton {
      void setCaption(String caption) {}
      void setBitmap(String image) {}
      void setQNEnabled(int enabled) {}
      void setQNVisible(int visible) {}
   }
   Button bttbtt10 = new Button();
   Button bttbtt11 = new Button();
   Button btt_QNGet_ = new Button();
   String Mode = "";
   String CustType = "", CustName = "", CustCity = "";
   QNString QNt_QNString1, QNt_QNString2;

   void setNextFocus(Object control) {}

   protected void setAddCaption() {
      bttbtt10.setBitmap( "qnconfirm_add.gif" );
      bttbtt10.setTooltip( localUtil.getMessages().getMessage("captionadd") );
   }
   protected void setUpdateCaption() {
      bttbtt10.setBitmap( "save.gif" );
      bttbtt10.setTooltip( localUtil.getMessages().getMessage("captionupdate") );
   }
   protected void setConfirmCaption() {
      bttbtt10.setBitmap( "qnconfirm_cnf.gif" );
      bttbtt10.setTooltip( localUtil.getMessages().getMessage("captionconfirm") );
   }
   protected void setDeleteCaption() {
      bttbtt10.setBitmap( "qnconfirm_dlt.gif" );
      bttbtt10.setTooltip( localUtil.getMessages().getMessage("captiondelete") );
   }
   protected void disable_std_buttons( )
   {
      bttbtt10.setQNEnabled( 0 );
      bttbtt11.setQNEnabled( 0 );
      btt_QNGet_.setQNEnabled( 0 );
      btt_QNGet_.setQNVisible( 0 );
      if ( ( QNutil.strcmp(Mode, "INS") == 0 ) )
      {
         bttbtt10.setBitmap( "qnconfirm_add.gif" );
         bttbtt10.setTooltip( localUtil.getMessages().getMessage("captionadd") );
      }
   }

   protected void focusEnter() {
      setNextFocus(bttbtt10);
   }
   protected void prompt_custtype_custname_1( )
   {
      QNt_QNString1 = new QNString(CustType);
      QNt_QNString2 = new QNString(CustName);
      new typepick(remoteHandle, context).execute( QNt_QNString1, QNt_QNString2) ;
      CustType = QNt_QNString1.getValue();
      CustName = QNt_QNString2.getValue();
   }

   protected void prompt_custcity_1( )
   {
      QNt_QNString1 = new QNString(CustCity);
      new citypick(remoteHandle, context).execute( QNt_QNString1) ;
      CustCity = QNt_QNString1.getValue();
   }

}
